// What trying the window at its design size turned up: the progress row keeps
// its texts apart and never widens the window, the tab order reads the
// condition controls as laid out, and a skill box opens a bounded list.
// Enter in a condition searches, Tab passes the shown-only fixed pieces, and
// captions and list texts fit their controls in the window and its dialogs.

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "core/collections/deco_laying.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/collections/fix_form.h"
#include "ui/collections/possession_tab.h"
#include "ui/results/result_file_page.h"
#include "ui/search/search_page.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/focus_frame_style.h"

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
    void initTestCase() { useProgramStyle(); }
    void progressRowFitsTheDesignSize();
    void tabOrderFollowsTheLayout();
    void enterInAConditionStartsTheSearch();
    void skillListIsBounded();
    void textsFitTheirControls();
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
    QSignalSpy searches(shown.window.searchPage()->SearchButton, &QPushButton::clicked);
    auto* box = shown.window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    QTest::keyClick(box->view(), Qt::Key_Return);  // takes the item, nothing more
    QTRY_VERIFY(!box->view()->isVisible());
    QTest::keyClick(shown.window.findChild<QLineEdit*>(QStringLiteral("DefEdit")), Qt::Key_Return);
    QCOMPARE(searches.count(), 1);
}

void WindowLayoutTest::skillListIsBounded() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* box = window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
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

namespace {

// Captions clear of button edges; named lists' columns (DecoLV's all, SelDecoLV's rows) whole.
void checkTexts(QWidget* top, QStringList& faults) {
    const auto place = [top](QWidget* w) { return QRect(w->mapTo(top, QPoint(0, 0)), w->size()); };
    const auto shown = [top](QWidget* w) { return w->isVisible() && w->window() == top; };
    const QList<QPushButton*> buttons = top->findChildren<QPushButton*>();
    for (QPushButton* b : buttons) {
        if (!shown(b)) continue;
        if (b->fontMetrics().horizontalAdvance(b->text()) + 2 * FocusFrameStyle::kCaptionMargin > b->width())
            faults << b->objectName();
        for (QPushButton* o : buttons)
            if (o != b && shown(o) && place(b).adjusted(-1, -1, 1, 1).intersects(place(o))) faults << b->objectName();
    }
    for (QTreeView* view : top->findChildren<QTreeView*>()) {
        const QString name = view->objectName();
        if (!shown(view) || !QStringList{"DecoLV", "SelDecoLV", "HeadPossLV", "ResultFileLV"}.contains(name)) continue;
        for (int c = 0; c < view->model()->columnCount(); ++c)
            if (view->columnWidth(c) < std::max(static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c),
                                                view->header()->sectionSizeHint(c)))
                faults << name + QString::number(c);
        const QRect last = view->visualRect(view->model()->index(view->model()->rowCount() - 1, 0));
        if (name.endsWith("DecoLV") && (view->horizontalScrollBar()->isVisible() ||
                                        (name == "SelDecoLV" && last.bottom() >= view->viewport()->height())))
            faults << name;
    }
}

}  // namespace

void WindowLayoutTest::textsFitTheirControls() {
    ShownWindow shown;
    QVERIFY(shown.show());
    MainWindow& window = shown.window;
    // The longest texts: a head piece with three decorations, and five skills.
    const Catalogue& cat = window.catalogue();
    const auto& heads = cat.equip[Head];
    const auto piece = std::find_if(heads.begin() + 1, heads.end(), [](const Equip& e) { return e.slots == 3; });
    std::vector<int> decos;
    for (int d = 1; decos.size() < 3; ++d) if (cat.decos.at(d).slots == 1) decos.push_back(d);
    QVERIFY(piece != heads.end());
    window.possessionTab()->appendFromDialog(FixResult{Head, int(piece - heads.begin()), decos});
    DecoSet fitted;
    layDecorations(fitted, Head, decos, cat);
    window.fixForm()->model().presetFixedPiece(Head, int(piece - heads.begin()), fitted, 0, 0);
    window.fixForm()->FormShow();
    window.fixForm()->FixAddButton->show();
    qobject_cast<QStandardItemModel*>(window.resultFilePage()->ResultFileLV->model())
        ->appendRow({new QStandardItem(QStringLiteral("朧心・弐_瑠魂・壱_樺魂・壱_燐閃・参_碧刃・崩.CSV")),
                     new QStandardItem(QStringLiteral("3000000")), new QStandardItem(QStringLiteral("2026/12/08 21:53:43"))});
    QStringList faults;
    for (int page = 0; page < window.pageTabs()->count(); ++page) {
        window.pageTabs()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        checkTexts(&window, faults);
    }
    const QList<QDialog*> dialogs = window.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    for (QDialog* dialog : dialogs) dialog->show();
    QCoreApplication::processEvents();
    for (QDialog* dialog : dialogs) checkTexts(dialog, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(' ')));
}

}  // namespace vk::test

QTEST_MAIN(vk::test::WindowLayoutTest)
#include "window_layout_test.moc"
