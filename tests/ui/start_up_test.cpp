// The window's first start in a seeded folder: a real box over the window
// says where the sample catalogue went, and the test-only close delay closes
// that box and then the window, as a user would. Qt's own texts are Japanese.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/app/application.h"
#include "ui/app/start_up.h"
#include "ui/widgets/user_messages.h"

namespace vk::test {
namespace {

StartOutcome seeded() {
    StartOutcome start;
    start.folder = "/home/u/.local/share/velkorantis";
    start.seeded = 8;
    return start;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seededStartSaysSoInABoxOverTheWindow() {
        QWidget window;
        window.show();
        MessageBoxes boxes(&window);
        QString text;
        QWidget* parent = nullptr;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            text = box->text();
            parent = box->parentWidget();
            box->accept();
        });
        afterWindowShown(seeded(), window, boxes);
        QTRY_VERIFY(!text.isEmpty());
        QCOMPARE(text, QStringLiteral("サンプルのデータファイルを作業フォルダにコピーしました。\n"
                                      "/home/u/.local/share/velkorantis"));
        QCOMPARE(parent, &window);
    }

    void closeDelayClosesTheBoxThenTheWindow() {
        qputenv("VELKORANTIS_CLOSE_AFTER_MS", "100");
        QWidget window;
        window.show();
        MessageBoxes boxes(&window);
        bool boxWasUp = false;
        QTimer::singleShot(50, [&] { boxWasUp = QApplication::activeModalWidget() != nullptr; });
        afterWindowShown(seeded(), window, boxes);
        qunsetenv("VELKORANTIS_CLOSE_AFTER_MS");
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(boxWasUp);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void questionBoxAnswersInJapanese() {
        QVERIFY(useJapaneseQtTexts());
        QString captions;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            captions = box->button(QMessageBox::Yes)->text() + "/" + box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!MessageBoxes().ask(QStringLiteral("確認"), QStringLiteral("削除しますか？")));
        QCOMPARE(captions, QStringLiteral("はい(&Y)/いいえ(&N)"));
    }
};

}  // namespace vk::test

QTEST_MAIN(vk::test::StartUpTest)
#include "start_up_test.moc"
