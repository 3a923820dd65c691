// What trying the window at its design size turned up: the progress row keeps
// its texts apart and never widens the window, the tab order reads the
// condition controls as laid out (passing the shown-only fixed pieces), Enter
// in a condition starts the search, and a skill box opens a bounded list.

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/app/main_window.h"
#include "ui/search/search_page.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"

namespace vk::test {

// The main window on the sample catalogue, shown at its design size.
struct ShownWindow {
    CatalogueDir dir;
    RecordingMessages messages;
    MainWindow window{messages};

    bool show() {
        window.resize(MainWindow::kDesignWidth, MainWindow::kDesignHeight);
        window.show();
        return dir.ok() && QTest::qWaitForWindowExposed(&window);
    }
};

class WindowLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void progressRowFitsTheDesignSize();
    void tabOrderFollowsTheLayout();
    void enterInAConditionStartsTheSearch();
    void skillListIsBounded();
};

void WindowLayoutTest::progressRowFitsTheDesignSize() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    window.resize(MainWindow::kDesignWidth, MainWindow::kDesignHeight);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int width = window.width();

    // The longest texts a search over every piece shows, all at once.
    SearchPage& page = *window.searchPage();
    page.CountLabel->setText(QStringLiteral("99999999件"));
    page.ProgressLabel->setText(QStringLiteral("(35152000000/35152000000)"));
    page.SortLabel->setText(QStringLiteral("ソート処理をしています。"));
    page.SearchTimeLabel->setText(QStringLiteral("1時間00分05秒"));
    page.ETALabel->setText(QStringLiteral("2時間13分45秒"));
    QCoreApplication::processEvents();
    QCOMPARE(window.width(), width);

    const QList<QLabel*> labels = {page.CountLabel, page.ProgressLabel, page.SortLabel, page.SearchTimeLabel,
                                   page.ETALabel};
    for (QLabel* label : labels) {
        const QRect box(label->mapTo(&window, QPoint(0, 0)), label->size());
        QVERIFY2(window.rect().contains(box), qPrintable(label->objectName()));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName() + QStringLiteral(" cuts its text")));
        for (QLabel* other : labels) {
            if (other == label) continue;
            const QRect otherBox(other->mapTo(&window, QPoint(0, 0)), other->size());
            QVERIFY2(!box.adjusted(-2, 0, 2, 0).intersects(otherBox),
                     qPrintable(label->objectName() + " touches " + other->objectName()));
        }
    }
}

void WindowLayoutTest::tabOrderFollowsTheLayout() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    // Each control, then the focusable control that Tab reaches next.
    const QList<QPair<QString, QString>> steps = {
        {"ReqSkill5", "SexRG0"},   {"RareCB", "DefEdit"},          {"DefEdit", "IsDecoration"},
        {"AllEquipCB", "ExceptButton"}, {"ExceptButton", "HitLimitEdit"}, {"HitLimitEdit", "PriorityCB"},
        {"HeadCB", "HeadButton"},  {"HeadButton", "BodyCB"},       {"LegButton", "SearchButton"},
    };
    for (const auto& [from, to] : steps) {
        QWidget* widget = window.findChild<QWidget*>(from);
        QVERIFY2(widget, qPrintable(from));
        QWidget* next = widget->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled()) next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), to);
    }
}

void WindowLayoutTest::enterInAConditionStartsTheSearch() {
    ShownWindow shown;
    QVERIFY(shown.show());
    MainWindow& window = shown.window;
    QSignalSpy searches(window.searchPage()->SearchButton, &QPushButton::clicked);
    auto* box = window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);  // takes the item, nothing more
    QTRY_VERIFY(!box->view()->isVisible());
    QCOMPARE(box->currentIndex(), 1);
    QCOMPARE(searches.count(), 0);
    box->setCurrentIndex(0);  // no wanted skill: each search is refused, the button stays
    QTest::keyClick(window.findChild<QLineEdit*>(QStringLiteral("DefEdit")), Qt::Key_Return);
    QCOMPARE(searches.count(), 1);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(searches.count(), 2);
}

void WindowLayoutTest::skillListIsBounded() {
    ShownWindow shown;
    QVERIFY(shown.show());
    auto* box = shown.window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
    QVERIFY(box->count() > 100);
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    const int rowHeight = list->sizeHintForRow(0);
    QVERIFY(list->height() <= (box->maxVisibleItems() + 1) * rowHeight);
    QVERIFY(list->verticalScrollBar()->maximum() > 0);  // the rest scrolls into view
    QVERIFY(list->verticalScrollBar()->isVisible());
    QCOMPARE(list->viewport()->height(), box->maxVisibleItems() * rowHeight);  // whole rows only
    box->hidePopup();
}

}  // namespace vk::test

QTEST_MAIN(vk::test::WindowLayoutTest)
#include "window_layout_test.moc"
