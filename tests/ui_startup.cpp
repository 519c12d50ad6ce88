// Start-up: the program folder, which first window opens for the settings,
// the game's icon on the first window, one running copy only (in-process and
// with the built program itself), what the program says when its audio
// library is missing, and the two links.
#include "IsolatedSettings.h"

#include "shell/AppInfo.h"
#include "shell/AppWindows.h"
#include "shell/Links.h"
#include "shell/Settings.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

TEST(StartupAppPath, IsTheFolderWithExactlyOneTrailingSlash) {
    EXPECT_EQ(shell::AppPathFrom("/usr/games"), "/usr/games/");
    EXPECT_EQ(shell::AppPathFrom("/opt/quorvane/"), "/opt/quorvane/");
    EXPECT_EQ(shell::AppPathFrom("/"), "/");
}

TEST(StartupScoresPath, IsTheGamesOwnFolderInTheUsersDataFolder) {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    ASSERT_FALSE(dataHome.isEmpty()) << "the tests keep the real data folder out of reach";
    EXPECT_EQ(shell::ScoresPath(), dataHome + "/Quorvane/Quorvane2/");
}

// Start-up's choice of first window, with stand-ins that record what opened.
class StartupFirstWindow : public IsolatedSettings {
protected:
    void SetUp() override {
        IsolatedSettings::SetUp();
        program.Settings = game::GameSettings::FirstRunDefaults();
        windows.ShowBoardWindow = [this] { opened.push_back("board"); };
        windows.ShowSplash = [this] { opened.push_back("splash"); };
        windows.ShowWelcomeDialog = [this] {
            opened.push_back("welcome");
            quitOnCloseDuringWelcome = QGuiApplication::quitOnLastWindowClosed();
            program.PlayChosen = welcomePlays;
            if (welcomeChangesSettings) {
                program.Settings.NumberOfPlayers = 2;
                program.SettingsChanged = true;
            }
        };
    }

    game::Program program;
    shell::StartupWindows windows;
    std::vector<std::string> opened;
    bool welcomePlays = false;
    bool welcomeChangesSettings = false;
    bool quitOnCloseDuringWelcome = true;
};

TEST_F(StartupFirstWindow, WithoutWelcomeOrSplashTheBoardOpens) {
    program.Settings.ShowDialog = false;
    EXPECT_TRUE(shell::OpenFirstWindow(program, windows));
    EXPECT_EQ(opened, std::vector<std::string>{"board"});
}

TEST_F(StartupFirstWindow, WithoutWelcomeButWithSplashOnlyTheSplashOpens) {
    program.Settings.ShowDialog = false;
    program.Settings.ShowSplash = true;
    EXPECT_TRUE(shell::OpenFirstWindow(program, windows));
    EXPECT_EQ(opened, std::vector<std::string>{"splash"});
}

TEST_F(StartupFirstWindow, WelcomeComesFirstEvenWithSplashAndPlayOpensTheBoard) {
    program.Settings.ShowSplash = true;
    welcomePlays = true;
    EXPECT_TRUE(shell::OpenFirstWindow(program, windows));
    EXPECT_EQ(opened, (std::vector<std::string>{"welcome", "board"}));
    // Closing the welcome dialog must not end the program before the board opens.
    EXPECT_FALSE(quitOnCloseDuringWelcome);
    EXPECT_TRUE(QGuiApplication::quitOnLastWindowClosed());
}

TEST_F(StartupFirstWindow, LeavingTheWelcomeWithoutPlayOpensNothingAndSavesNothing) {
    EXPECT_FALSE(shell::OpenFirstWindow(program, windows));
    EXPECT_EQ(opened, std::vector<std::string>{"welcome"});
    EXPECT_FALSE(StoreExists()); // a first run stays a first run
}

TEST_F(StartupFirstWindow, SettingsChangedInTheWelcomeAreSavedOnce) {
    welcomeChangesSettings = true;
    EXPECT_FALSE(shell::OpenFirstWindow(program, windows));
    EXPECT_FALSE(program.SettingsChanged);
    game::GameSettings stored;
    shell::LoadSettings(stored);
    EXPECT_EQ(stored.NumberOfPlayers, 2);
    EXPECT_EQ(stored.Player1, "Player 1  ");
}

// Notes whether the program had its icon when a window's first frame was
// drawn.
class FirstPaintWatch : public QObject {
public:
    bool painted = false;
    bool iconWhenPainted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            iconWhenPainted = !QApplication::windowIcon().isNull();
        }
        return QObject::eventFilter(watched, event);
    }
};

// The icon is set only after the first window is on screen, so painting it
// does not hold that window back; the window must still get it, whichever
// one it is (board, welcome, splash or the "already running" box).
TEST(StartupIcon, TheFirstWindowGetsTheGameIconAfterItsFirstFrame) {
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon());
    shell::SetProgramIconAfterFirstFrame();
    QWidget first;
    FirstPaintWatch watch;
    first.installEventFilter(&watch);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(QTest::qWaitFor([&watch] { return watch.painted; }, 2000));
    EXPECT_FALSE(watch.iconWhenPainted);
    EXPECT_TRUE(QTest::qWaitFor([&first] { return !first.windowHandle()->icon().isNull(); }, 2000));
    EXPECT_TRUE(first.windowHandle()->icon().availableSizes().contains(QSize(256, 256)));
    QApplication::setWindowIcon(before);
}

TEST(SingleInstanceLock, OnlyOneHolderAtATimeAndReleasedWithIt) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/quorvane.lock";
    {
        shell::SingleInstance first(path);
        ASSERT_TRUE(first.TryAcquire());
        shell::SingleInstance second(path);
        EXPECT_FALSE(second.TryAcquire());
        // However long the game has been open, its lock is not stale.
        QFile lock(path);
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        lock.close();
        shell::SingleInstance third(path);
        EXPECT_FALSE(third.TryAcquire());
    }
    shell::SingleInstance later(path);
    EXPECT_TRUE(later.TryAcquire());
}

TEST(SingleInstanceLock, AnotherUsersLockDoesNotStopTheGame) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making a file of another user's needs root";
    }
    QTemporaryDir folder;
    const QString path = folder.path() + "/quorvane.lock";
    const QByteArray name = QFile::encodeName(path);
    const int held = ::open(name.constData(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::fchown(held, 4242, 4242), 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    shell::SingleInstance instance(path);
    EXPECT_TRUE(instance.TryAcquire());
    ::close(held);
}

TEST(SingleInstanceLock, AnUnwritableLockPlaceDoesNotStopTheGame) {
    QTemporaryDir folder;
    shell::SingleInstance instance(folder.path() + "/no/such/folder/quorvane.lock");
    EXPECT_TRUE(instance.TryAcquire());
}

// Sets environment variables for one test and puts them back after it.
class ScopedEnvironment {
public:
    void Set(const char* name, const QByteArray& value) {
        saved_.emplace_back(name, qgetenv(name), qEnvironmentVariableIsSet(name));
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (std::get<2>(*it)) {
                qputenv(std::get<0>(*it), std::get<1>(*it));
            } else {
                qunsetenv(std::get<0>(*it));
            }
        }
    }

private:
    std::vector<std::tuple<const char*, QByteArray, bool>> saved_;
};

TEST(SingleInstanceLock, WithoutARuntimeFolderOfTheUsersOwnTheLockIsInTheUsersHome) {
    QTemporaryDir temp;
    QTemporaryDir cache;
    // No runtime folder will do: the variable names a file, and so does the
    // name in the temporary folder that Qt falls back to, as another user
    // could have taken it.
    const QString user = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    for (const QString& name : {QStringLiteral("file"), "runtime-" + user}) {
        QFile file(temp.path() + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ScopedEnvironment environment;
    environment.Set("XDG_RUNTIME_DIR", QFile::encodeName(temp.path() + "/file"));
    environment.Set("TMPDIR", QFile::encodeName(temp.path()));
    environment.Set("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    ASSERT_TRUE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty());

    const QString path = shell::SingleInstance::DefaultLockPath();
    EXPECT_TRUE(path.startsWith(cache.path() + '/')) << path.toStdString();
    shell::SingleInstance first(path);
    EXPECT_TRUE(first.TryAcquire());
    shell::SingleInstance second(path);
    EXPECT_FALSE(second.TryAcquire());
}

// Runs the built program with its own runtime and config folders.
class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        ASSERT_TRUE(config.isValid());
    }

    void TearDown() override {
        for (QProcess* p : running) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }

    // `inChild` runs in the program's process before it starts.
    QProcess* Start(std::function<void()> inChild = {},
                    const QString& program = QStringLiteral(QUORVANE_EXE)) {
        auto* p = new QProcess;
        running.push_back(p);
        if (inChild) {
            p->setChildProcessModifier(inChild);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("QUORVANE_AUTODISMISS_MS", "100");
        p->setProcessEnvironment(env);
        p->start(program, {});
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }

    // Waits until the program holds the lock, i.e. has got past its check:
    // the lock file exists and already names its owner (a file that was just
    // created is empty for a moment).
    bool HoldsLock() {
        return QTest::qWaitFor(
            [this] { return QFileInfo(runtime.path() + "/quorvane.lock").size() > 0; }, 10000);
    }

    QTemporaryDir runtime;
    QTemporaryDir config;
    std::vector<QProcess*> running;
};

TEST_F(RunningProgram, ASecondStartSaysItIsRunningAndEndsWithStatusZero) {
    QProcess* first = Start();
    ASSERT_TRUE(HoldsLock());

    QElapsedTimer clock;
    clock.start();
    QProcess* second = Start();
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardError().contains(
        "message box \"Quorvane Running\": Quorvane is already running!"));

    EXPECT_EQ(first->state(), QProcess::Running);
    // Neither start has written any settings (first run, nothing saved yet).
    EXPECT_TRUE(QDir(config.path()).isEmpty());
}

TEST_F(RunningProgram, AStartAfterAKilledRunSucceeds) {
    QProcess* first = Start();
    ASSERT_TRUE(HoldsLock());
    first->kill(); // SIGKILL: the lock file stays behind
    ASSERT_TRUE(first->waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(runtime.path() + "/quorvane.lock"));

    QProcess* next = Start();
    EXPECT_FALSE(next->waitForFinished(1500)); // still running: it took over the lock
    EXPECT_EQ(next->state(), QProcess::Running);
    EXPECT_FALSE(next->readAllStandardError().contains("already running"));
}

TEST_F(RunningProgram, AFileSizeLimitDoesNotEndTheGame) {
    // Even the line naming the lock's holder goes past a limit of no bytes.
    QProcess* limited = Start([] {
        rlimit none{};
        ::getrlimit(RLIMIT_FSIZE, &none);
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    });
    EXPECT_FALSE(limited->waitForFinished(1500)) << "ended with status " << limited->exitCode();
    EXPECT_EQ(limited->state(), QProcess::Running);
}

// Whether the process has mapped a file whose path contains `name`.
bool Maps(qint64 pid, const QByteArray& name) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

TEST_F(RunningProgram, WithoutItsAudioLibraryTheGameSaysWhyOnceAndGoesOn) {
    // Straight to the board with sound on: the sound is set up once the
    // board is drawn, without any input.
    {
        QSettings settings(config.path() + "/Quorvane/Quorvane2.conf", QSettings::IniFormat);
        settings.setValue("NumberOfDice", "5"); // not a first run
        settings.setValue("ShowDialog", "False");
        settings.setValue("ShowSplash", "False");
        settings.setValue("SoundEnabled", "True");
    }
    QTemporaryDir alone; // the program without the library beside it
    ASSERT_TRUE(QFile::copy(QUORVANE_EXE, alone.path() + "/quorvane"));
    QProcess* silent = Start({}, alone.path() + "/quorvane");
    QByteArray said;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            said += silent->readAllStandardError();
            return said.contains("libquorvane_audio.so");
        },
        10000));
    EXPECT_EQ(silent->state(), QProcess::Running);
    silent->terminate();
    ASSERT_TRUE(silent->waitForFinished(5000));
    said += silent->readAllStandardError();
    EXPECT_EQ(said.count("libquorvane_audio.so could not be loaded"), 1) << said.toStdString();
    // The loader's reason names the file it looked for.
    EXPECT_TRUE(said.contains(QFile::encodeName(alone.path() + "/libquorvane_audio.so")))
        << said.toStdString();

    // Beside its library the program loads it and says nothing about it;
    // anything it would say comes right after the load.
    QProcess* sounding = Start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Maps(sounding->processId(), "/libquorvane_audio.so"); }, 10000));
    QTest::qWait(500);
    sounding->terminate();
    ASSERT_TRUE(sounding->waitForFinished(5000));
    const QByteArray soundingSaid = sounding->readAllStandardError();
    EXPECT_FALSE(soundingSaid.contains("libquorvane_audio")) << soundingSaid.toStdString();
}

// Records the addresses handed to the desktop instead of opening them.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(ShellLinks, WebSiteAndMailGoToTheProgramsAddresses) {
    UrlRecorder recorder;
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    }
    shell::VisitWebSite();
    shell::SendMailToAuthor();
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_EQ(recorder.opened[0], QUrl(shell::WebSiteAddress()));
    EXPECT_EQ(recorder.opened[1].scheme(), "mailto");
    EXPECT_EQ(recorder.opened[1].path(), shell::AuthorMail());
}

} // namespace

#include "ui_startup.moc"
