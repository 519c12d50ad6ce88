// Answers the modal windows that a dialog under test opens: message boxes
// (recording what they showed) and dialogs of a given type. Each waiter polls
// for its window and gives up after five seconds, so that a window that never
// opens fails the test instead of hanging it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace testing_support {

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs `action` on the next modal window of type T.
template <typename T> void WhenModalOpens(std::function<void(T*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, action, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<T*>(modal)) {
            poll->stop();
            poll->deleteLater();
            action(window);
        } else if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

// Answers every message box that opens while it lives, in turn with the
// buttons given (then with OK), and records each one.
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(std::vector<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->isHidden()) {
                return;
            }
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            const QMessageBox::StandardButton answer =
                answered_ < answers_.size() ? answers_[answered_] : QMessageBox::Ok;
            ++answered_;
            if (QAbstractButton* button = box->button(answer)) {
                button->click();
            } else {
                box->close();
            }
        });
        poll_.start();
    }

    std::vector<BoxSeen> seen;

private:
    std::vector<QMessageBox::StandardButton> answers_;
    std::size_t answered_ = 0;
    QTimer poll_;
};

} // namespace testing_support
