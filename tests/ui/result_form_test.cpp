// The result detail window over a search's hits: narrowing to one set,
// green rows, cancelling, copying, keeping its state between openings.

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/results/text_report.h"
#include "core/settings/ini_file.h"
#include "core/text/sjis.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_location.h"
#include "ui/results/result_form.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/win_colour.h"

namespace vk::test {
namespace {

// Three skills with decorations up to rarity 6: a few dozen hits.
const QStringList kSkills = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱"), QStringLiteral("樺魂・壱")};

struct Window {
    CatalogueDir dir;
    RecordingMessages messages;
    std::unique_ptr<MainWindow> main;
    SearchPage* page = nullptr;
    ResultForm* form = nullptr;

    Window() {
        if (!dir.ok()) return;
        main = std::make_unique<MainWindow>(messages);
        page = main->searchPage();
        form = main->resultForm();
    }

    bool search() {
        for (int i = 0; i < 5; ++i) {
            QComboBox* box = page->conditions.skill[i];
            box->setCurrentIndex(i < kSkills.size() ? box->findText(kSkills[i]) : 0);
        }
        if (!page->conditions.decorations->isChecked()) page->conditions.decorations->click();
        page->conditions.rarity->setCurrentIndex(6);
        page->SearchButton->click();
        return QTest::qWaitFor(
            [this] { return page->SearchButton->isEnabled() && !main->searchController()->searching(); }, 60000);
    }
    // "結果詳細" with the modal window closed again as soon as it shows.
    void openAndClose() {
        QTimer::singleShot(0, form, [this] { form->close(); });
        page->ResultButton->click();
    }
    void select(int part, int row) {
        QTreeView* list = form->ResultLV[part];
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    bool green(int part, int row) const {
        return form->ResultLV[part]->model()->index(row, 0).data(Qt::BackgroundRole) == backgroundOf(kLightGreen);
    }
    int selectedRow(int part) const {
        const QModelIndexList rows = form->ResultLV[part]->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
};

}  // namespace

class ResultFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void narrowingToOneSetCopiesTheSearchTabsReport();
    void stateSurvivesReopeningUntilTheNextSearch();
};

void ResultFormTest::narrowingToOneSetCopiesTheSearchTabsReport() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    QVERIFY(w.search());
    const ResultStore hits = w.main->searchController()->resultView().unnumbered();
    QVERIFY(hits.size() > 3);
    w.openAndClose();
    QCOMPARE(w.main->searchController()->DetailSource, static_cast<int>(ResultForm::kSearchTab));
    QCOMPARE(w.form->narrowing().hitCount(), hits.size());
    QCOMPARE(w.form->objectName(), QStringLiteral("TResultForm"));
    QCOMPARE(w.form->windowTitle(), QStringLiteral("結果詳細"));

    w.form->show();
    QCOMPARE(w.form->ResultLV[Head]->objectName(), QStringLiteral("HeadResultLV"));
    QCOMPARE(w.form->ResultLV[Weapon]->objectName(), QStringLiteral("WeponResultLV"));
    const HitNarrowing& n = w.form->narrowing();
    for (int part = 0; part < kDecoParts; ++part) {
        QTreeView* list = w.form->ResultLV[part];
        QCOMPARE(list->model()->rowCount(), n.rowCount(part));
        const int decoColumn = list->model()->columnCount() - 1;  // "装飾品", whole in every row
        for (int row = 0; row < n.rowCount(part); ++row) {
            QVERIFY(w.green(part, row));
            const QString decos = list->model()->index(row, decoColumn).data().toString();
            QVERIFY2(list->columnWidth(decoColumn) > list->fontMetrics().horizontalAdvance(decos), qPrintable(decos));
        }
    }

    // Two parts of hit 3: what hit 3 uses elsewhere stays green, and every
    // list scrolled to its end shows its first green row again.
    for (QTreeView* list : w.form->ResultLV) list->scrollToBottom();
    const std::uint32_t chosen = 2;
    w.select(Head, n.rowOfHit(Head, chosen));
    for (int part : {Leg, Body, Arm, Wst}) {
        int first = 0;
        while (!w.green(part, first)) ++first;
        QTreeView* list = w.form->ResultLV[part];
        QVERIFY2(list->viewport()->rect().contains(list->visualRect(list->model()->index(first, 0)).center()),
                 qPrintable(list->objectName()));
    }
    w.select(Weapon, n.rowOfHit(Weapon, chosen));
    QVERIFY(!w.form->CopyButton->isEnabled());
    QVERIFY(!w.green(Head, n.rowOfHit(Head, chosen)));  // a list with a selection shows no green
    for (int part : {Leg, Body, Arm, Wst}) {
        QVERIFY(w.green(part, n.rowOfHit(part, chosen)));
        for (int row = 0; row < n.rowCount(part); ++row) {
            bool used = false;
            for (std::uint32_t h : n.Matching()) used = used || n.rowOfHit(part, h) == row;
            QCOMPARE(w.green(part, row), used);
        }
    }
    w.form->CopyButton->click();  // disabled: nothing happens

    for (int part : {Leg, Body, Arm, Wst}) w.select(part, n.rowOfHit(part, chosen));
    QVERIFY(w.form->CopyButton->isEnabled() && w.form->MysetButton->isEnabled());
    QVERIFY(std::find(n.Matching().begin(), n.Matching().end(), chosen) != n.Matching().end());
    // The summary shows the chosen set's activated skills.
    for (const QString& skill : kSkills) QVERIFY(w.form->ResultMemo->toPlainText().contains(skill));

    QGuiApplication::clipboard()->clear();
    w.form->CopyButton->click();
    const QString detailReport = QGuiApplication::clipboard()->text();
    QVERIFY(!detailReport.isEmpty());

    // The search tab's report of the same hit is the same text.
    QGuiApplication::clipboard()->clear();
    w.page->ResultLV->setCurrentIndex(w.page->ResultLV->model()->index(0, 0));
    while (w.main->searchController()->selectedHit()->No != static_cast<int>(chosen) + 1) {
        const int row = w.page->ResultLV->currentIndex().row() + 1;
        QVERIFY(row < w.page->ResultLV->model()->rowCount());
        w.page->ResultLV->setCurrentIndex(w.page->ResultLV->model()->index(row, 0));
    }
    w.page->CopyButton->click();
    QCOMPARE(detailReport, QGuiApplication::clipboard()->text());

    // Cancelling one list disables both buttons and paints that list green again.
    w.form->CancelButton[Body]->click();
    QVERIFY(!w.form->CopyButton->isEnabled() && !w.form->MysetButton->isEnabled());
    QCOMPARE(w.selectedRow(Body), -1);
    QVERIFY(w.green(Body, n.rowOfHit(Body, chosen)));
    QCOMPARE(w.selectedRow(Head), n.rowOfHit(Head, chosen));

    // My-set registration asks first; No stores nothing.
    w.select(Body, n.rowOfHit(Body, chosen));
    w.messages.answers = {false};
    w.form->MysetButton->click();
    QCOMPARE(w.messages.log.size(), 1);
    QCOMPARE(w.messages.log.first(),
             (RecordedMessage{QStringLiteral("確認"), QStringLiteral("マイセットに登録しますか？"), true}));

    QVERIFY(w.main->mysets().empty());
    // Yes stores the chosen set as a new my set.
    w.messages.answers = {true};
    w.form->MysetButton->click();
    QCOMPARE(w.main->mysets().size(), std::size_t{1});
    const Myset& stored = w.main->mysets().front();
    QCOMPARE(stored.Name, utf8ToSjis("新しいマイセット"));
    QCOMPARE(stored.Set.Index, hits[chosen].Index);
    for (int part = 0; part < kDecoParts; ++part)
        for (int slot = 0; slot < kSlotsPerPart; ++slot)
            QCOMPARE(stored.Set.Decos.DecoIndex[part][slot], hits[chosen].Decos.DecoIndex[part][slot]);
    QCOMPARE(stored.WeaponSlot, w.main->searchController()->condition().weaponSlots);

    w.form->AllCancelButton->click();
    for (int part = 0; part < kDecoParts; ++part) {
        QCOMPARE(w.selectedRow(part), -1);
        for (int row = 0; row < n.rowCount(part); ++row) QVERIFY(w.green(part, row));
    }
    QVERIFY(!w.form->CopyButton->isEnabled());
}

void ResultFormTest::stateSurvivesReopeningUntilTheNextSearch() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    QVERIFY(w.search());
    w.main->show();
    w.main->move(120, 90);
    w.form->resize(200, 100);
    w.openAndClose();
    QVERIFY(w.main->frameGeometry().contains(w.form->frameGeometry()));  // no stored place: over the main window
    w.form->show();
    const int headRow = w.form->narrowing().rowOfHit(Head, 0);
    w.select(Head, headRow);
    w.form->resize(880, 610);
    w.form->close();

    // The window's own section, beside whatever else the file holds.
    const IniFile ini = IniFile::load(settingsFilePath()).ini;
    QCOMPARE(ini.readInteger("Result", "Width", 0), 880);
    QCOMPARE(ini.readInteger("Result", "Hight", 0), 610);
    QCOMPARE(ini.readBool("Result", "Maximize", true), false);

    // Reopened without a new search: no Fill, the selection is still there.
    int seenRow = -2;
    QTimer::singleShot(0, w.form, [&] {
        seenRow = w.selectedRow(Head);
        w.form->close();
    });
    w.page->ResultButton->click();
    QCOMPARE(seenRow, headRow);

    // A new search: the next opening fills afresh, every selection gone,
    // every list at its top.
    for (QTreeView* list : w.form->ResultLV) list->scrollToBottom();
    QVERIFY(w.search());
    QCOMPARE(w.main->searchController()->DetailSource, 0);
    int scrolled = -1;
    QTimer::singleShot(0, w.form, [&] {
        seenRow = w.selectedRow(Head);
        scrolled = 0;
        for (QTreeView* list : w.form->ResultLV) scrolled += list->verticalScrollBar()->value();
        w.form->close();
    });
    w.page->ResultButton->click();
    QCOMPARE(seenRow, -1);
    QCOMPARE(scrolled, 0);
    QVERIFY(!w.form->narrowing().anySelected());
}

}  // namespace vk::test

QTEST_MAIN(vk::test::ResultFormTest)
#include "result_form_test.moc"
