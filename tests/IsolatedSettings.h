// Points the option store at a fresh temporary folder for one test, so that
// no test ever reads or writes the real user's settings file.
#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class IsolatedSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        ASSERT_TRUE(StoreFile().startsWith(folder.path()));
    }

    // The settings file the program writes.
    QString StoreFile() const {
        return QSettings(QStringLiteral("Quorvane"), QStringLiteral("Quorvane2")).fileName();
    }

    bool StoreExists() const { return QFile::exists(StoreFile()); }

    // Stores a value as a hand edit or an older version would have left it.
    void Store(const QString& name, const QString& text) {
        QSettings store(QStringLiteral("Quorvane"), QStringLiteral("Quorvane2"));
        store.setValue(name, text);
    }

    QTemporaryDir folder;
};
