// Searching in the window on the sample catalogue: start, progress and end,
// stop, pause, closing mid-search, the hit list's orders and find, the detail
// panels of a hit and its report on the clipboard.

#include <atomic>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/results/detail_panels.h"
#include "core/results/row_colours.h"
#include "core/results/text_report.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/engine/engine_factory.h"
#include "core/search/hits/result_view.h"
#include "ui/app/main_window.h"
#include "ui/search/condition_reading.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/search_thread.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/win_colour.h"

namespace vk::test {
namespace {

constexpr int kSearchTimeoutMs = 60000;

// Three skills with decorations up to rarity 6: a few dozen hits in about a
// second. Two skills over all pieces: far more combinations than a test
// waits for, hits from the start; used to stop, pause and close mid-search.
const QStringList kShortSearch = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱"), QStringLiteral("樺魂・壱")};
const QStringList kLongSearch = {QStringLiteral("茜輪・壱")};

struct Window {
    CatalogueDir dir;
    RecordingMessages messages;
    std::unique_ptr<MainWindow> main;
    SearchPage* page = nullptr;
    SearchController* search = nullptr;

    Window() {
        if (!dir.ok()) return;
        main = std::make_unique<MainWindow>(messages);
        page = main->searchPage();
        search = main->searchController();
    }
    bool ok() const { return main && !main->startupError() && search->worker(); }

    void chooseSkills(const QStringList& names) {
        for (int i = 0; i < 5; ++i) {
            QComboBox* box = page->conditions.skill[i];
            box->setCurrentIndex(i < names.size() ? box->findText(names[i]) : 0);
        }
    }
    void setUpShortSearch() {
        chooseSkills(kShortSearch);
        page->conditions.decorations->click();
        page->conditions.rarity->setCurrentIndex(6);
    }
    // Long enough to pause, stop and close during it, with hits from its
    // first seconds: the literal reference engine over all pieces, armour
    // only, no hit limit, takes hours on the sample.
    void setUpLongSearch() {
        search->worker()->replaceEngine(makeSearchEngine(main->catalogue(), EngineKind::Reference, 1));
        chooseSkills(kLongSearch);
        page->conditions.allPieces->click();
        page->conditions.hitLimit->setText(QStringLiteral("-1"));
    }
    bool ended() const { return page->SearchButton->isEnabled() && !search->searching(); }
    bool waitForEnd() { return QTest::qWaitFor([this] { return ended(); }, kSearchTimeoutMs); }
    // The short search, run to its end.
    bool runShortSearch() {
        setUpShortSearch();
        page->SearchButton->click();
        return waitForEnd();
    }
    // The hits the core finds for the page's conditions, in search order.
    ResultStore coreHits(std::uint64_t* tested = nullptr, std::uint64_t* total = nullptr) const {
        const GatheredCondition c =
            gatherCondition(main->catalogue(), readConditionForm(page->conditions, main->fixEquip()));
        auto engine = makeSearchEngine(main->catalogue(), EngineKind::Reference, 1);
        SearchControl control;
        control.Running = true;
        engine->run(c.engine, main->searchSnapshot(), control, {});
        if (tested) *tested = engine->tested();
        if (total) *total = engine->total();
        return engine->store();
    }
    QString cell(QTreeView* view, int row, int column) const {
        return view->model()->index(row, column).data().toString();
    }
    int hitsShown() const { return page->CountLabel->text().chopped(1).toInt(); }  // "%d件"
    void selectRow(int row) {
        page->ResultLV->setCurrentIndex(page->ResultLV->model()->index(row, 0));
    }
    void clickHeader(int column) {
        QHeaderView* header = page->ResultLV->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    }
};

QList<int> column(const Window& w, int c) {
    QList<int> values;
    for (int r = 0; r < w.page->ResultLV->model()->rowCount(); ++r) values << w.cell(w.page->ResultLV, r, c).toInt();
    return values;
}

}  // namespace

class SearchPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusalsAndEnablingRules();
    void searchListsTheHitsInSearchOrder();
    void columnClicksOrderTheList();
    void typedHitNumberSelectsTheHit();
    void selectedHitFillsTheDetailPanels();
    void copyPutsTheReportOnTheClipboard();
    void pauseLeavesItsTimeOutAndTheSearchEndsAfterResume();
    void stopDuringAPauseEndsTheSearch();
    void stopListsTheHitsFoundSoFar();
    void memoryBudgetEndsTheSearchAsAStopWithAMessage();
    void closingDuringASearchOrAPauseEndsIt();
};

void SearchPageTest::refusalsAndEnablingRules() {
    Window w;
    QVERIFY(w.ok());
    w.page->SearchButton->click();
    QCOMPARE(w.messages.log, QList<RecordedMessage>({{QStringLiteral("CAUTION"), QStringLiteral("スキルを選択してください")}}));
    w.chooseSkills({QStringLiteral("燐閃・壱"), QStringLiteral("燐閃・弐")});
    w.page->SearchButton->click();
    QCOMPARE(w.messages.log.last(),
             (RecordedMessage{QStringLiteral("CAUTION"), QStringLiteral("同系統のスキルは複数選択できません")}));
    QVERIFY(w.page->SearchButton->isEnabled());
    QVERIFY(!w.page->StopButton->isEnabled());

    const ConditionControls& c = w.page->conditions;
    c.decorations->click();
    QVERIFY(c.weaponSlots->isEnabled());
    QVERIFY(c.threeSlotPieces->isEnabled());
    c.allPieces->click();
    QVERIFY(!c.threeSlotPieces->isEnabled());
    QVERIFY(!c.possessions->isEnabled());
    QVERIFY(c.weaponSlots->isEnabled());
    c.decorations->click();
    QVERIFY(!c.weaponSlots->isEnabled());
    QVERIFY(!c.fixDecorations->isEnabled());
    c.fixed[Arm]->click();
    QVERIFY(c.fixDecorations->isEnabled());
    c.fixed[Leg]->click();
    c.fixed[Arm]->click();
    QVERIFY(c.fixDecorations->isEnabled());
    c.fixed[Leg]->click();
    QVERIFY(!c.fixDecorations->isEnabled());
}

void SearchPageTest::searchListsTheHitsInSearchOrder() {
    Window w;
    QVERIFY(w.ok());
    w.setUpShortSearch();
    std::uint64_t tested = 0, total = 0;
    const ResultStore expected = w.coreHits(&tested, &total);
    QVERIFY(expected.size() >= 12);

    QSignalSpy ended(w.search, &SearchController::searchEnded);
    w.page->SearchButton->click();
    QVERIFY(!w.page->SearchButton->isEnabled());
    QVERIFY(w.page->StopButton->isEnabled());
    QVERIFY(w.page->SuspendButton->isEnabled());
    QCOMPARE(w.page->CountLabel->text(), QStringLiteral("0件"));  // nothing held from before
    QVERIFY(w.waitForEnd());
    QCOMPARE(ended.count(), 1);

    QCOMPARE(w.page->CountLabel->text(), QStringLiteral("%1件").arg(expected.size()));
    QCOMPARE(w.page->ProgressLabel->text(), QStringLiteral("(%1/%2)").arg(tested).arg(total));
    QCOMPARE(w.page->ETALabel->text(), QStringLiteral("秒"));
    QVERIFY(w.page->SearchTimeLabel->text().endsWith(QStringLiteral("秒")));
    QVERIFY(w.page->SortLabel->text().isEmpty());
    QCOMPARE(w.page->progressBar->value(), 0);
    QVERIFY(!w.page->StopButton->isEnabled());
    QVERIFY(!w.page->SuspendButton->isEnabled());
    QVERIFY(w.page->ResultButton->isEnabled());
    QVERIFY(w.page->ResultSaveButton->isEnabled());
    QVERIFY(!w.page->CopyButton->isEnabled());  // no row selected yet

    QTreeView* list = w.page->ResultLV;
    QCOMPARE(list->model()->rowCount(), static_cast<int>(expected.size()));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("防御"));
    for (int r = 0; r < list->model()->rowCount(); ++r) {
        QCOMPARE(w.cell(list, r, 0), QString::number(r + 1));
        QCOMPARE(w.search->resultView().hitByNo(r + 1)->Index, expected[r].Index);
    }

    // The next search starts by showing the hits the worker still holds.
    w.page->SearchButton->click();
    QCOMPARE(w.page->CountLabel->text(), QStringLiteral("%1件").arg(expected.size()));
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(w.waitForEnd());
    QCOMPARE(list->model()->rowCount(), static_cast<int>(expected.size()));
}

void SearchPageTest::columnClicksOrderTheList() {
    Window w;
    QVERIFY(w.ok());
    QVERIFY(w.runShortSearch());
    const int rows = w.page->ResultLV->model()->rowCount();
    QVERIFY(rows > 1);

    w.clickHeader(kColumnDefence);
    QList<int> defence = column(w, kColumnDefence);
    QVERIFY(std::is_sorted(defence.begin(), defence.end()));
    QVERIFY(defence.first() < defence.last());
    w.clickHeader(kColumnDefence);
    defence = column(w, kColumnDefence);
    QVERIFY(std::is_sorted(defence.rbegin(), defence.rend()));
    QVERIFY(defence.first() > defence.last());
    w.clickHeader(kColumnNo);
    QList<int> numbers = column(w, kColumnNo);
    QCOMPARE(numbers.first(), 1);
    QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));

    // A click re-shows the selected row, which now holds another hit.
    w.selectRow(0);
    QCOMPARE(w.search->selectedHit()->No, 1);
    w.clickHeader(kColumnNo);  // descending
    QCOMPARE(w.search->selectedHit()->No, rows);
    QCOMPARE(w.page->EquipLV->model()->rowCount(), kEquipRows);
    const ShownSet shown = shownSetOf(*w.search->resultView().hitByNo(rows), 0, 1, 1);
    QCOMPARE(w.cell(w.page->EquipLV, 0, 0), fromSjis(EquipLVRows(w.main->catalogue(), shown)[0][0]));

    // A double click, as the window system delivers it (press, release,
    // double click, release), is two clicks: 防御 ascending, then descending.
    w.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
    QHeaderView* header = w.page->ResultLV->header();
    const QPoint onDefence(header->sectionViewportPosition(kColumnDefence) + 4, header->height() / 2);
    QTest::mouseDClick(w.main->windowHandle(), Qt::LeftButton, {}, header->viewport()->mapTo(w.main.get(), onDefence));
    QCOMPARE(w.search->resultView().SortColumn(), kColumnDefence);
    QVERIFY(w.search->resultView().SortDescending());
    defence = column(w, kColumnDefence);
    QVERIFY(std::is_sorted(defence.rbegin(), defence.rend()));
}

void SearchPageTest::typedHitNumberSelectsTheHit() {
    Window w;
    QVERIFY(w.ok());
    QVERIFY(w.runShortSearch());
    const int rows = w.page->ResultLV->model()->rowCount();
    QTreeView* list = w.page->ResultLV;
    list->setFocus();

    QTest::keyClicks(list, QStringLiteral("12"));
    QCOMPARE(list->currentIndex().row(), 11);
    QCOMPARE(w.search->selectedHit()->No, 12);

    w.clickHeader(kColumnNo);  // descending
    QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a new word
    QTest::keyClicks(list, QStringLiteral("12"));
    QCOMPARE(list->currentIndex().row(), rows - 12);
    QCOMPARE(w.cell(list, list->currentIndex().row(), 0), QStringLiteral("12"));

    w.clickHeader(kColumnDefence);  // ordered by another column: nothing found
    const int before = list->currentIndex().row();
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(list, QStringLiteral("3"));
    QCOMPARE(list->currentIndex().row(), before);
}

void SearchPageTest::selectedHitFillsTheDetailPanels() {
    Window w;
    QVERIFY(w.ok());
    QVERIFY(w.runShortSearch());
    const Catalogue& cat = w.main->catalogue();
    const int rows = w.page->ResultLV->model()->rowCount();

    bool sawColouredSkillRow = false;
    for (int row : {0, rows / 2, rows - 1}) {
        w.selectRow(row);
        QVERIFY(w.page->CopyButton->isEnabled());
        QVERIFY(w.page->MysetButton->isEnabled());
        const std::optional<Result> hit = w.search->resultView().hitByNo(row + 1);
        // Decorations up to rarity 6, no weapon slots; sex 男, type 剣士.
        const ShownSet shown = shownSetOf(*hit, 0, 1, 1);

        const auto equipRows = EquipLVRows(cat, shown);
        QCOMPARE(w.page->EquipLV->model()->rowCount(), kEquipRows);
        for (int r = 0; r < kEquipRows; ++r) {
            for (int c = 0; c < kEquipColumns; ++c) QCOMPARE(w.cell(w.page->EquipLV, r, c), fromSjis(equipRows[r][c]));
            // Nothing is owned: default colours.
            QVERIFY(!w.page->EquipLV->model()->index(r, 0).data(Qt::BackgroundRole).isValid());
        }

        SkillSummary summary;
        RunSkillSummary(cat, shown, summary);
        const std::vector<SkillRow> skillRows = SkillLVRows(cat, summary);
        QCOMPARE(w.page->SkillLV->model()->rowCount(), static_cast<int>(skillRows.size()));
        for (int r = 0; r < static_cast<int>(skillRows.size()); ++r) {
            for (int c = 0; c < kSkillColumns; ++c)
                QCOMPARE(w.cell(w.page->SkillLV, r, c), fromSjis(skillRows[r].texts[c]));
            const int total = skillRows[r].texts[kSkillTotalColumn].empty()
                                  ? 0
                                  : std::stoi(skillRows[r].texts[kSkillTotalColumn]);
            const QVariant background = w.page->SkillLV->model()->index(r, 0).data(Qt::BackgroundRole);
            if (total >= 10) {
                QCOMPARE(background.value<QColor>(), QColor(100, 255, 100));
                sawColouredSkillRow = true;
            } else if (total <= -10) {
                QCOMPARE(background.value<QColor>(), QColor(255, 100, 100));
            } else {
                QVERIFY(!background.isValid());
            }
        }
        QString memo = fromSjis(SkillMemoText(cat, summary));
        memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(w.page->SkillMemo->toPlainText(), memo);
        // Every wanted skill shows in the memo.
        for (const QString& skill : kShortSearch) QVERIFY2(memo.contains(skill), qPrintable(skill));
    }
    QVERIFY(sawColouredSkillRow);  // every hit has skills of 10 points or more
}

void SearchPageTest::copyPutsTheReportOnTheClipboard() {
    Window w;
    QVERIFY(w.ok());
    w.setUpShortSearch();
    w.page->conditions.sex->setItemIndex(1);   // 女
    w.page->conditions.type->setItemIndex(1);  // ガンナー
    w.page->SearchButton->click();
    QVERIFY(w.waitForEnd());
    QGuiApplication::clipboard()->clear();
    w.page->CopyButton->click();  // disabled: nothing happens
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

    w.selectRow(2);
    w.page->CopyButton->click();
    const ShownSet shown = shownSetOf(*w.search->resultView().hitByNo(3), 0, 2, 2);
    const QString expected = fromSjis(BuildTextReport(w.main->catalogue(), shown));
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QVERIFY(expected.contains(QStringLiteral("■　女、ガンナー\r\n")));
}

void SearchPageTest::pauseLeavesItsTimeOutAndTheSearchEndsAfterResume() {
    Window w;
    QVERIFY(w.ok());
    std::int64_t now = 5000;
    w.search->setClock([&now] { return now; });
    w.setUpLongSearch();

    w.page->SearchButton->click();  // starts at 5000
    QTRY_VERIFY_WITH_TIMEOUT(w.page->ProgressLabel->text() != QStringLiteral("/"), kSearchTimeoutMs);
    now += 2;
    w.page->SuspendButton->click();  // paused at 5002
    QCOMPARE(w.page->SuspendButton->text(), QStringLiteral("検索再開"));
    QTest::qWait(500);  // reports already under way come in
    const QString pausedAt = w.page->ProgressLabel->text();
    QTest::qWait(1000);
    QCOMPARE(w.page->ProgressLabel->text(), pausedAt);  // paused: nothing is tested
    QVERIFY(w.search->searching());

    now += 60;
    w.page->SuspendButton->click();  // resumed at 5062
    QCOMPARE(w.page->SuspendButton->text(), QStringLiteral("検索中断"));
    QCOMPARE(w.search->timer().PausedSeconds(), 60);
    QTRY_VERIFY_WITH_TIMEOUT(w.page->ProgressLabel->text() != pausedAt, kSearchTimeoutMs);
    now += 3;  // the clock stands still until the end: 65 s passed, 60 paused
    w.page->StopButton->click();
    QVERIFY(w.waitForEnd());
    QCOMPARE(w.page->SearchTimeLabel->text(), QStringLiteral("05秒"));
    QCOMPARE(w.page->SuspendButton->text(), QStringLiteral("検索中断"));
    QVERIFY(w.hitsShown() > 0);
    QCOMPARE(w.page->ResultLV->model()->rowCount(), w.hitsShown());
}

void SearchPageTest::stopDuringAPauseEndsTheSearch() {
    Window w;
    QVERIFY(w.ok());
    w.setUpLongSearch();
    w.page->SearchButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(w.page->ProgressLabel->text() != QStringLiteral("/"), kSearchTimeoutMs);
    w.page->SuspendButton->click();
    w.page->StopButton->click();
    QVERIFY(w.waitForEnd());
    QCOMPARE(w.page->SuspendButton->text(), QStringLiteral("検索中断"));
    QVERIFY(!w.page->SuspendButton->isEnabled());
    QVERIFY(w.search->condition().Interrupted);
}

void SearchPageTest::stopListsTheHitsFoundSoFar() {
    Window w;
    QVERIFY(w.ok());
    w.setUpLongSearch();
    w.page->SearchButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(w.hitsShown() > 0, kSearchTimeoutMs);
    w.page->StopButton->click();
    QVERIFY(!w.page->StopButton->isEnabled());
    QVERIFY(!w.page->SuspendButton->isEnabled());
    QVERIFY(w.waitForEnd());

    const int hits = w.hitsShown();
    QVERIFY(hits > 0);
    QCOMPARE(w.page->ResultLV->model()->rowCount(), hits);
    QVERIFY(w.search->condition().Interrupted);
    const QStringList counts = w.page->ProgressLabel->text().mid(1).chopped(1).split('/');
    QCOMPARE(counts.size(), 2);
    QVERIFY(counts[0].toULongLong() < counts[1].toULongLong());
}

void SearchPageTest::memoryBudgetEndsTheSearchAsAStopWithAMessage() {
    Window w;
    QVERIFY(w.ok());
    MessageBoxes boxes(w.main.get());  // a real modal box, answered by a timer
    w.search->setMessages(boxes);
    w.setUpShortSearch();
    w.search->worker()->control().MemoryBudget = 600;  // bytes: the short search finds far more hits
    QString text;  // caption, text, and whether the search had ended when it was shown
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !text.isEmpty()) return;
        text = box->windowTitle() + box->text() + (w.ended() ? "ended" : "running");
        box->accept();
    });
    answer.start(20);
    w.page->SearchButton->click();
    QVERIFY(w.waitForEnd());
    QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), kSearchTimeoutMs);
    const bool told = text.startsWith("エラー") && text.contains("メモリが上限") && text.endsWith("ended");
    QVERIFY2(told, qPrintable(text));
    QVERIFY(w.search->condition().Interrupted);
    QVERIFY(w.hitsShown() > 0 && w.hitsShown() <= 600 / 52 + 1);
}

void SearchPageTest::closingDuringASearchOrAPauseEndsIt() {
    for (bool paused : {false, true}) {
        Window w;
        QVERIFY(w.ok());
        w.setUpLongSearch();
        w.page->SearchButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.page->ProgressLabel->text() != QStringLiteral("/"), kSearchTimeoutMs);
        if (paused) w.page->SuspendButton->click();
        QElapsedTimer closing;
        closing.start();
        w.main->close();
        w.main.reset();
        QVERIFY2(closing.elapsed() < 10000, "closing waited for the search");
    }
}

}  // namespace vk::test

QTEST_MAIN(vk::test::SearchPageTest)
#include "search_page_test.moc"
