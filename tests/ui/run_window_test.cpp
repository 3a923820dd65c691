// The program's run: a second window on a folder in use is turned away
// (until its holder dies), and SIGTERM or SIGHUP end the run as the close box
// does, saving first.

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "core/files/folder_lock.h"
#include "ui/app/main_window.h"
#include "ui/app/run_window.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"

namespace vk::test {

class RunWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFolderInUseTurnsTheSecondWindowAway();
    void terminationSignalsSaveAndEndNormally();
};

void RunWindowTest::aFolderInUseTurnsTheSecondWindowAway() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    const QStringList before = dir.entries();
    const std::filesystem::path folder = dir.path();
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t holder = ::fork();  // the first window's process
    if (holder == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // gone with the test, however it ends
        const FolderLock held(folder);
        const char byte = held.state() == FolderLock::State::kHeld ? 'h' : 'x';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    QVERIFY(holder > 0);
    char held = 0;
    QCOMPARE(::read(ready[0], &held, 1), ssize_t{1});
    QCOMPARE(held, 'h');
    // A window that opens all the same is closed at once (and saves).
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<MainWindow*>(w)) w->close();
    });
    closer.start(0);

    RecordingMessages messages;
    QCOMPARE(runMainWindow(messages), 1);
    QCOMPARE(messages.log, QList<RecordedMessage>({{QStringLiteral("エラー"),
                                                   QStringLiteral("このフォルダは別のウィンドウで使用中です。")}}));
    QCOMPARE(dir.entries(), before);

    ::kill(holder, SIGKILL);
    QCOMPARE(::waitpid(holder, nullptr, 0), holder);
    ::close(ready[0]);
    ::close(ready[1]);
    messages.log.clear();
    QCOMPARE(runMainWindow(messages), 0);  // the killed holder's lock is gone
    QVERIFY(messages.log.isEmpty());
    QVERIFY(dir.entries().contains(QStringLiteral("velkorantis.INI")));
}

void RunWindowTest::terminationSignalsSaveAndEndNormally() {
    for (const int signal : {SIGTERM, SIGHUP}) {
        CatalogueDir dir;
        QVERIFY(dir.ok());
        RecordingMessages messages;
        bool timedOut = false;
        const int status = runMainWindow(messages, [&](MainWindow& window) {
            window.exceptFlags().deco[1] = 1;  // a change that only the close saves
            QTimer::singleShot(0, [signal] { ::raise(signal); });
            QTimer::singleShot(10000, &window, [&] {
                timedOut = true;
                window.close();
            });
        });
        QVERIFY(!timedOut);
        QCOMPARE(status, 0);
        std::ifstream saved(dir.path() / "config.csv", std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(saved), {}};
        QVERIFY2(text.starts_with("ED,") && text.ends_with(",1\r\n"), text.c_str());
        QVERIFY(dir.entries().contains(QStringLiteral("velkorantis.INI")));
        QVERIFY(messages.log.isEmpty());
    }
}

}  // namespace vk::test

QTEST_MAIN(vk::test::RunWindowTest)
#include "run_window_test.moc"
