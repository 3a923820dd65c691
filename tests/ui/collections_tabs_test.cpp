// The possessions page and the my-set page driven through their controls'
// names: owned pieces added, changed, moved and deleted through the
// fixed-equipment dialog; my sets registered, edited, replaced, moved and
// deleted; everything saved with "保存" and found again by a new window in
// the same folder.

#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "support/catalogue_dir.h"
#include "support/modal_driving.h"
#include "support/recording_messages.h"
#include "ui/app/main_window.h"
#include "ui/collections/myset_page.h"
#include "ui/collections/possession_page.h"
#include "ui/search/condition_controls.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"

namespace vk::test {
namespace {

// Sample rows: head 16 雷晶面 (2 slots), 31 鏡映兜 (3 slots), 7 キピティ髪飾
// (women only); decorations 1 瑠刃の欠片, 2 澪閃の欠片 (one slot each).
const QString kTwoSlotHead = QStringLiteral("雷晶面");
const QString kThreeSlotHead = QStringLiteral("鏡映兜");

QString cell(QTreeView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }
int rows(QTreeView* view) { return view->model()->rowCount(); }
int selected(QTreeView* view) {
    const QModelIndexList s = view->selectionModel()->selectedRows();
    return s.isEmpty() ? -1 : s.first().row();
}
void select(QTreeView* view, int row) { view->setCurrentIndex(view->model()->index(row, 0)); }

// In TFixForm: the piece of row ID `piece`, then the decorations of `decos`.
void choose(QWidget* dialog, const QString& piece, const QStringList& decos) {
    QVERIFY(selectRowWith(dialog->findChild<QTreeView*>(QStringLiteral("FixLV")), 0, piece));
    for (const QString& deco : decos) {
        QVERIFY(selectRowWith(dialog->findChild<QTreeView*>(QStringLiteral("DecoLV")), 0, deco));
        dialog->findChild<QPushButton*>(QStringLiteral("UpButton"))->click();
    }
}

struct Window {
    RecordingMessages messages;
    std::unique_ptr<MainWindow> main;
    PossessionPage* poss = nullptr;
    MysetPage* myset = nullptr;

    explicit Window(UserMessages* boxes = nullptr) {
        main = std::make_unique<MainWindow>(boxes ? *boxes : messages);
        poss = main->possessionPage();
        myset = main->mysetPage();
    }
    QTreeView* headList() const { return poss->PossLV[Head]; }

    // HeadAddButton: the piece with `decos` through the dialog's OK.
    void addHead(const QString& piece, const QStringList& decos) {
        whenModal("TFixForm", [&](QWidget* d) {
            choose(d, piece, decos);
            d->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        });
        poss->AddButton[Head]->click();
    }
};

}  // namespace

class CollectionsTabsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void possessionsAddChangeMoveDeleteAndFilter();
    void mysetsRegisterEditReplaceMoveDelete();
    void restartFindsEverythingAndEmptySaveLeavesNoFile();
    void searchPageRegistersTheSelectedHit();
    void changesAreSavedWithinTwoSeconds();
    void fullListsTakeNoMore();
};

void CollectionsTabsTest::possessionsAddChangeMoveDeleteAndFilter() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Window w;
    QTreeView* list = w.headList();

    w.addHead(QStringLiteral("16"), {QStringLiteral("1"), QStringLiteral("2")});
    QCOMPARE(rows(list), 1);
    QCOMPARE(cell(list, 0, 0), kTwoSlotHead);
    QCOMPARE(cell(list, 0, 1), QStringLiteral("瑠刃の欠片 澪閃の欠片 "));

    // FixAddButton twice, then Cancel: two more, the same piece.
    whenModal("TFixForm", [](QWidget* d) {
        choose(d, QStringLiteral("31"), {QStringLiteral("1")});
        auto* add = d->findChild<QPushButton*>(QStringLiteral("FixAddButton"));
        QVERIFY(add->isVisible());
        add->click();
        add->click();
        d->findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
    });
    w.poss->AddButton[Head]->click();
    QCOMPARE(rows(list), 3);
    QCOMPARE(cell(list, 2, 0), kThreeSlotHead);
    QCOMPARE(cell(list, 2, 1), QStringLiteral("瑠刃の欠片 "));

    // Change row 1 (a 鏡映兜) into a bare 雷晶面.
    select(list, 1);
    whenModal("TFixForm", [](QWidget* d) {
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("OkButton"))->text(), QStringLiteral("変更"));
        choose(d, QStringLiteral("16"), {});
        d->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    w.poss->ModButton[Head]->click();
    QCOMPARE(cell(list, 1, 0), kTwoSlotHead);
    QCOMPARE(cell(list, 1, 1), QString());
    QCOMPARE(w.main->possessions()[Head][1].PossIndex, 16);

    // The summary of the selected row: the head with the other parts empty.
    select(list, 0);
    QTreeView* equip = w.poss->EquipPossLV;
    QCOMPARE(rows(equip), 6);
    QCOMPARE(cell(equip, 0, 0), QStringLiteral("頭"));
    QCOMPARE(cell(equip, 0, 8), QStringLiteral("瑠刃の欠片 澪閃の欠片 "));
    QCOMPARE(cell(equip, 4, 1), QStringLiteral("0"));
    QCOMPARE(cell(equip, 5, 0), QStringLiteral("計"));
    QVERIFY(rows(w.poss->SkillPossLV) > 0);

    // Down moves the row and the selection; Up on the first row does nothing.
    w.poss->DownButton[Head]->click();
    QCOMPARE(selected(list), 1);
    QCOMPARE(cell(list, 1, 1), QStringLiteral("瑠刃の欠片 澪閃の欠片 "));
    QCOMPARE(cell(list, 0, 1), QString());
    select(list, 0);
    w.poss->UpButton[Head]->click();
    QCOMPARE(selected(list), 0);
    QCOMPARE(cell(list, 0, 1), QString());

    // Delete the last row: the one above is selected; then the rest.
    select(list, 2);
    w.poss->DelButton[Head]->click();
    QCOMPARE(rows(list), 2);
    QCOMPARE(selected(list), 1);
    w.poss->DelButton[Head]->click();
    w.poss->DelButton[Head]->click();
    QCOMPARE(rows(list), 0);
    QCOMPARE(selected(list), -1);
    QCOMPARE(rows(equip), 0);
    QVERIFY(w.main->possessions()[Head].empty());

    // The filter: a women-only piece hidden under 男; the button needs both.
    w.addHead(QStringLiteral("7"), {});
    w.addHead(QStringLiteral("16"), {});
    w.poss->SexPossRG->buttons()->button(1)->click();
    QCOMPARE(rows(list), 1);
    QCOMPARE(cell(list, 0, 0), kTwoSlotHead);
    QVERIFY(!w.poss->PossMysetButton->isEnabled());
    w.poss->TypePossRG->buttons()->button(1)->click();
    QVERIFY(w.poss->PossMysetButton->isEnabled());
}

void CollectionsTabsTest::mysetsRegisterEditReplaceMoveDelete() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Window w;
    QTreeView* list = w.myset->MysetLV;

    // Adding right after start-up is refused.
    w.myset->MysetEdit->setText(QStringLiteral("名前"));
    w.myset->MysetAddButton->click();
    QCOMPARE(rows(list), 0);
    QCOMPARE(w.messages.log.size(), 1);
    QCOMPARE(w.messages.log.last().text, QStringLiteral("マイセットの内容が不正です（名称、性別、タイプ）"));

    // Registration from the possessions page: one piece per part, both filters set.
    for (int part : kDisplayOrder) {
        whenModal("TFixForm", [](QWidget* d) {
            QTreeView* pieces = d->findChild<QTreeView*>(QStringLiteral("FixLV"));
            pieces->setCurrentIndex(pieces->model()->index(0, 0));
            d->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        });
        w.poss->AddButton[part]->click();
        select(w.poss->PossLV[part], 0);
    }
    w.poss->SexPossRG->buttons()->button(1)->click();
    w.poss->TypePossRG->buttons()->button(2)->click();
    for (int part : kDisplayOrder) select(w.poss->PossLV[part], 0);
    w.messages.answers = {false, true};
    w.poss->PossMysetButton->click();  // No
    QCOMPARE(rows(list), 0);
    w.poss->PossMysetButton->click();  // Yes
    QCOMPARE(rows(list), 1);
    QCOMPARE(cell(list, 0, 1), QStringLiteral("ガンナー"));
    QCOMPARE(cell(list, 0, 2), QStringLiteral("新しいマイセット"));
    QCOMPARE(w.main->mysets()[0].WeaponSlot, 0);

    // Select: the edit panel and the summary; owned pieces light blue.
    select(list, 0);
    QVERIFY(w.myset->MysetReplaceButton->isEnabled());
    QCOMPARE(w.myset->MysetSexRG->itemIndex(), 0);
    QCOMPARE(w.myset->MysetTypeRG->itemIndex(), 1);
    QCOMPARE(w.myset->PieceEdit[Head]->text(), cell(w.poss->PossLV[Head], 0, 0));
    QCOMPARE(rows(w.myset->MysetEquipLV), 7);
    QCOMPARE(w.myset->MysetEquipLV->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(),
             QColor(200, 200, 255));
    QVERIFY(!w.myset->MysetEquipLV->model()->index(5, 0).data(Qt::BackgroundRole).isValid());
    // Copy: the text report of the selected set, with the edit record's sex and type.
    w.myset->MysetCopyButton->click();
    const QString report = QGuiApplication::clipboard()->text();
    QVERIFY(report.contains(cell(w.poss->PossLV[Head], 0, 0)));
    QVERIFY(report.contains(QStringLiteral("ガンナー")));

    // New with a name holding commas; then set 1 gets a head piece from the dialog.
    w.myset->MysetEdit->setText(QStringLiteral("A,B, C "));
    w.myset->MysetAddButton->click();
    QCOMPARE(rows(list), 2);
    QCOMPARE(cell(list, 1, 0), QStringLiteral("2"));
    QCOMPARE(cell(list, 1, 2), QStringLiteral("A,B, C "));
    QCOMPARE(selected(list), -1);  // the list was rebuilt
    select(list, 0);
    whenModal("TFixForm", [](QWidget* d) {
        choose(d, QStringLiteral("31"), {QStringLiteral("2")});
        d->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    w.myset->PartButton[Head]->click();
    QCOMPARE(w.myset->PieceEdit[Head]->text(), kThreeSlotHead);
    QCOMPARE(w.myset->DecoEdit[Head]->text(), QStringLiteral("澪閃の欠片 "));
    QCOMPARE(w.main->mysets()[0].Set.Index[Head], w.main->possessions()[Head][0].PossIndex);  // not stored yet

    // Replace: asked; afterwards no row selected and "置換" does nothing.
    w.myset->MysetEdit->setText(QStringLiteral("置換後\n"));
    w.messages.answers = {true};
    w.myset->MysetReplaceButton->click();
    QCOMPARE(cell(list, 0, 2), QStringLiteral("置換後 "));
    QCOMPARE(w.main->mysets()[0].Set.Index[Head], 31);
    QCOMPARE(selected(list), -1);
    const int asked = w.messages.log.size();
    w.myset->MysetReplaceButton->click();
    QCOMPARE(w.messages.log.size(), asked);

    // Up moves set and texts, not the numbers; the moved row is selected.
    select(list, 1);
    w.myset->MysetUpButton->click();
    QCOMPARE(selected(list), 0);
    QCOMPARE(cell(list, 0, 0), QStringLiteral("1"));
    QCOMPARE(cell(list, 0, 2), QStringLiteral("A,B, C "));
    QCOMPARE(w.myset->MysetEdit->text(), QStringLiteral("A,B, C "));
    w.myset->MysetUpButton->click();
    QCOMPARE(cell(list, 0, 2), QStringLiteral("A,B, C "));

    // Delete: No keeps it, Yes removes it.
    w.messages.answers = {false, true};
    w.myset->MysetDelButton->click();
    QCOMPARE(rows(list), 2);
    select(list, 0);
    w.myset->MysetDelButton->click();
    QCOMPARE(rows(list), 1);
    QCOMPARE(cell(list, 0, 2), QStringLiteral("置換後 "));
}

void CollectionsTabsTest::restartFindsEverythingAndEmptySaveLeavesNoFile() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    PossessionLists owned;
    MysetList sets;
    {
        Window w;
        w.addHead(QStringLiteral("16"), {QStringLiteral("1"), QStringLiteral("2")});
        w.addHead(QStringLiteral("31"), {});
        select(w.headList(), 0);
        w.poss->SexPossRG->buttons()->button(1)->click();
        w.poss->TypePossRG->buttons()->button(1)->click();
        w.myset->MysetSexRG->buttons()->button(0)->click();
        w.myset->MysetTypeRG->buttons()->button(0)->click();
        w.myset->MysetEdit->setText(QStringLiteral(",マイ,セット,"));
        w.myset->MysetAddButton->click();
        QCOMPARE(rows(w.myset->MysetLV), 1);
        w.poss->SaveButton->click();
        QVERIFY(QFile::exists(QStringLiteral("config.csv")));
        owned = w.main->possessions();
        sets = w.main->mysets();
        w.main->close();
    }
    {
        Window again;
        QCOMPARE(again.main->possessions(), owned);
        QCOMPARE(again.main->mysets(), sets);
        QCOMPARE(rows(again.headList()), 2);
        QCOMPARE(cell(again.headList(), 0, 1), QStringLiteral("瑠刃の欠片 澪閃の欠片 "));
        QCOMPARE(cell(again.myset->MysetLV, 0, 2), QStringLiteral(",マイ,セット,"));

        // Everything deleted: closing leaves no config.csv behind.
        for (int n = 0; n < 2; ++n) {
            select(again.headList(), 0);
            again.poss->DelButton[Head]->click();
        }
        select(again.myset->MysetLV, 0);
        again.messages.answers = {true};
        again.myset->MysetDelButton->click();
        again.main->close();
        QVERIFY(again.messages.log.size() == 1);  // the question only
    }
    QVERIFY(!QFile::exists(QStringLiteral("config.csv")));

    // A config.csv that cannot be read is reported at start-up and never touched.
    QVERIFY(QDir().mkpath(QStringLiteral("config.csv/blocked")));
    Window blocked;
    blocked.addHead(QStringLiteral("16"), {});
    blocked.poss->SaveButton->click();
    QCOMPARE(blocked.messages.log.size(), 1);
    QCOMPARE(blocked.messages.log.last().caption, QStringLiteral("エラー"));
    QVERIFY(blocked.messages.log.last().text.startsWith(QStringLiteral("config.csv を読み込めませんでした。")));
    QCOMPARE(rows(blocked.headList()), 1);
    QVERIFY(QFileInfo(QStringLiteral("config.csv/blocked")).isDir());
}

// "マイセット" on the search page: a copy of the selected hit with the
// search's sex, type and weapon slots.
void CollectionsTabsTest::searchPageRegistersTheSelectedHit() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Window w;
    SearchPage* page = w.main->searchPage();
    const QStringList skills = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱"), QStringLiteral("樺魂・壱")};
    for (int i = 0; i < skills.size(); ++i)
        page->conditions.skill[i]->setCurrentIndex(page->conditions.skill[i]->findText(skills[i]));
    page->conditions.decorations->setChecked(true);
    page->conditions.rarity->setCurrentIndex(6);
    page->conditions.sex->buttons()->button(1)->click();
    page->SearchButton->click();
    SearchController* search = w.main->searchController();
    QVERIFY(QTest::qWaitFor([&] { return page->SearchButton->isEnabled() && !search->searching(); }, 60000));
    QVERIFY(search->resultView().count() > 0);
    select(page->ResultLV, 0);
    const Result hit = *search->selectedHit();
    w.messages.answers = {true};
    page->MysetButton->click();
    QCOMPARE(w.messages.log.last().text, QStringLiteral("マイセットに登録しますか？"));
    QCOMPARE(w.main->mysets().size(), std::size_t{1});
    const Myset& set = w.main->mysets()[0];
    QCOMPARE(set.Set, hit);
    QCOMPARE(set.Sex, 2);
    QCOMPARE(set.Type, 1);
    QCOMPARE(cell(w.myset->MysetLV, 0, 1), QStringLiteral("剣士"));
    QVERIFY(!cell(w.myset->MysetLV, 0, 4).isEmpty());  // the hit's skills are active
}

// Every change reaches config.csv without "保存"; a failing autosave says so
// in one real box, answered here, and only once.
void CollectionsTabsTest::changesAreSavedWithinTwoSeconds() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    MessageBoxes boxes;
    Window w(&boxes);
    QStringList shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + ':' + box->text();
            box->accept();
        }
    });
    answer.start(20);
    const QString config = QStringLiteral("config.csv");

    w.addHead(QStringLiteral("16"), {});
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(config); }, 2500));
    QVERIFY(QFile::remove(config) && QDir().mkpath(config + QStringLiteral("/blocked")));
    w.addHead(QStringLiteral("31"), {});
    QVERIFY(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 2500));
    QCOMPARE(shown, QStringList{QStringLiteral("エラー:ファイルが作成できませんでした")});
    select(w.headList(), 0);
    w.poss->DelButton[Head]->click();
    QTest::qWait(MainWindow::kAutosaveMs + 500);
    QCOMPARE(shown.size(), 1);  // failed again, silently
}

// 65,535 owned pieces, then 65,536 my sets: the reading stops at the last,
// says so, keeps the file before the first save, and the window takes no more.
void CollectionsTabsTest::fullListsTakeNoMore() {
    CatalogueDir dir;  // a missing data file would show its own message first
    const QByteArray original = QByteArray("PE,1,x,16\r\nP\r\n").repeated(65535) + "MH,1,1,0,a\r\n" +
                                QByteArray("M\r\n").repeated(65536);
    QFile file(QStringLiteral("config.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size() && file.flush());
    Window w;
    w.addHead(QStringLiteral("16"), {});
    w.myset->MysetSexRG->buttons()->button(0)->click();
    w.myset->MysetTypeRG->buttons()->button(0)->click();
    w.myset->MysetEdit->setText(QStringLiteral("b"));
    w.myset->MysetAddButton->click();
    QCOMPARE(w.messages.log.size(), 3);
    QVERIFY(w.messages.log[0].text.startsWith(QStringLiteral("config.csv は 196607 行目から後を読み込めませんでした。")));
    QCOMPARE(w.messages.log[1].text, QStringLiteral("所持品は65535個までしか登録できません。"));
    QCOMPARE(w.messages.log[2].text, QStringLiteral("マイセットは65535件までしか登録できません。"));
    QCOMPARE(w.main->possessions()[Head].size() + w.main->mysets().size(), std::size_t{2 * 65535});
    w.main->close();
    const QStringList copies = QDir().entryList({QStringLiteral("config.csv.*.bak")});
    QCOMPARE(copies.size(), 1);
    QFile copy(copies[0]);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original);
}

}  // namespace vk::test

QTEST_MAIN(vk::test::CollectionsTabsTest)
#include "collections_tabs_test.moc"
