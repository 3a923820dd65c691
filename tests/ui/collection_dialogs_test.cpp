// The fixed-equipment dialog and the exclusion dialog, driven through their
// controls' names from the search tab: a piece fixed with two decorations
// is searched with, an excluded piece is gone from the hits, Cancel keeps
// everything as it was.

#include <functional>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/search/condition/condition_gather.h"
#include "core/search/engine/engine_factory.h"
#include "support/catalogue_dir.h"
#include "support/modal_driving.h"
#include "support/recording_messages.h"
#include "ui/app/main_window.h"
#include "ui/collections/except_form.h"
#include "ui/collections/fix_form.h"
#include "ui/search/condition_reading.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/part_names.h"
#include "ui/widgets/qt_text.h"

namespace vk::test {
namespace {

constexpr int kSearchTimeoutMs = 60000;
// Three skills with decorations up to rarity 6: a few dozen hits in about a second.
const QStringList kShortSearch = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱"), QStringLiteral("樺魂・壱")};

struct Window {
    CatalogueDir dir;
    RecordingMessages messages;
    std::unique_ptr<MainWindow> main;
    SearchPage* page = nullptr;

    Window() {
        if (!dir.ok()) return;
        main = std::make_unique<MainWindow>(messages);
        page = main->searchPage();
    }
    bool ok() const { return main && !main->startupError(); }

    void setUpShortSearch() {
        for (int i = 0; i < 5; ++i) {
            QComboBox* box = page->conditions.skill[i];
            box->setCurrentIndex(i < kShortSearch.size() ? box->findText(kShortSearch[i]) : 0);
        }
        page->conditions.decorations->setChecked(true);
        page->conditions.rarity->setCurrentIndex(6);
    }
    // Presses "検索" and waits for the hits.
    bool search() {
        page->SearchButton->click();
        SearchController* s = main->searchController();
        return QTest::qWaitFor([&] { return page->SearchButton->isEnabled() && !s->searching(); }, kSearchTimeoutMs);
    }
    const ResultView& hits() const { return main->searchController()->resultView(); }
};

template <class T>
T* child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    if (!w) qWarning("no control %s", name);
    return w;
}

}  // namespace

class CollectionDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixedPieceWithTwoDecorationsIsSearchedWith();
    void cancelledDialogsChangeNothing();
    void excludedPieceIsGoneFromTheHits();
};

void CollectionDialogsTest::fixedPieceWithTwoDecorationsIsSearchedWith() {
    Window w;
    QVERIFY(w.ok());
    w.setUpShortSearch();
    QVERIFY(w.search());
    // A hit whose piece of some part carries two decorations.
    int part = -1;
    Result chosen;
    for (const Result& hit : w.hits().numbered())
        for (int p : kDisplayOrder)
            if (part < 0 && hit.Decos.DecoCount[p] == 2) {
                part = p;
                chosen = hit;
            }
    QVERIFY2(part >= 0, "the short search has a hit with two decorations in one piece");
    const Catalogue& cat = w.main->catalogue();
    const int piece = chosen.Index[part];
    std::vector<int> decos;
    for (int s = 0; s < 3; ++s)
        if (chosen.Decos.DecoIndex[part][s] > 0) decos.push_back(chosen.Decos.DecoIndex[part][s]);

    const char* word = kPartWord[part];
    whenModal("TFixForm", [&](QWidget* dialog) {
        auto* pieces = child<QTreeView>(dialog, "FixLV");
        auto* candidates = child<QTreeView>(dialog, "DecoLV");
        QVERIFY(selectRowWith(pieces, kFixPieceId, QString::number(piece)));
        for (int deco : decos) {
            QVERIFY(selectRowWith(candidates, kFixDecoId, QString::number(deco)));
            child<QPushButton>(dialog, "UpButton")->click();
        }
        QCOMPARE(child<QTreeView>(dialog, "SelDecoLV")->model()->rowCount(), 2);
        QCOMPARE(child<QTreeView>(dialog, "SelDecoLV")->model()->index(1, 0).data().toString(),
                 fromSjis(cat.decos[decos[1]].name));
        const int slots = cat.equip[part][piece].slots;
        const int used = cat.decos[decos[0]].slots + cat.decos[decos[1]].slots;
        const QString marks = QString(used, QChar(0x25CF)) + QString(slots - used, QChar(0x25CB)) +
                              QString(3 - slots, QChar(0xFF0D));  // ●, ○, －
        QCOMPARE(child<QPlainTextEdit>(dialog, "ValMemo")->toPlainText().section(QLatin1Char('\n'), 0, 0), marks);
        child<QPushButton>(dialog, "OkButton")->click();
    });
    child<QPushButton>(w.page, (std::string(word) + "Button").c_str())->click();

    QCOMPARE(w.main->fixEquip().piece[part], piece);
    QCOMPARE(w.main->fixEquip().decos.DecoCount[part], 2);
    QCOMPARE(child<QLineEdit>(w.page, (std::string(word) + "Edit").c_str())->text(),
             fromSjis(cat.equip[part][piece].name));
    QCOMPARE(child<QLineEdit>(w.page, (std::string(word) + "DecoEdit").c_str())->text(),
             fromSjis(cat.decos[decos[0]].name + " " + cat.decos[decos[1]].name + " "));

    // Fixed with its decorations: every hit wears that piece with them.
    auto* fixDeco = child<QCheckBox>(w.page, "FixDecoCB");
    QVERIFY(!fixDeco->isEnabled());
    child<QCheckBox>(w.page, (std::string(word) + "CB").c_str())->click();
    QVERIFY(fixDeco->isEnabled());
    fixDeco->click();
    QVERIFY(w.search());
    QVERIFY(!w.hits().numbered().empty());
    for (const Result& hit : w.hits().numbered()) {
        QCOMPARE(hit.Index[part], piece);
        for (int s = 0; s < 3; ++s) QCOMPARE(hit.Decos.DecoIndex[part][s], chosen.Decos.DecoIndex[part][s]);
    }
}

void CollectionDialogsTest::cancelledDialogsChangeNothing() {
    Window w;
    QVERIFY(w.ok());
    whenModal("TFixForm", [](QWidget* dialog) {
        auto* pieces = child<QTreeView>(dialog, "FixLV");
        QVERIFY(pieces->model()->rowCount() > 2);
        pieces->setCurrentIndex(pieces->model()->index(2, 0));
        child<QPushButton>(dialog, "Cancel")->click();
    });
    child<QPushButton>(w.page, "BodyButton")->click();
    QCOMPARE(w.main->fixEquip(), FixEquip{});
    QCOMPARE(child<QLineEdit>(w.page, "BodyEdit")->text(), QStringLiteral("装備無し"));

    whenModal("TExceptForm", [](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("除外設定"));
        child<QRadioButton>(dialog, "ExceptPartRG6")->click();  // "装飾品"
        child<QPushButton>(dialog, "ExceptOnButton")->click();  // rarity "１"
        child<QPushButton>(dialog, "Button2")->click();
    });
    child<QPushButton>(w.page, "ExceptButton")->click();
    QCOMPARE(w.main->exceptFlags().deco, ExceptFlags::sizedFor(w.main->catalogue()).deco);
}

void CollectionDialogsTest::excludedPieceIsGoneFromTheHits() {
    Window w;
    QVERIFY(w.ok());
    w.setUpShortSearch();
    QVERIFY(w.search());
    QVERIFY(!w.hits().numbered().empty());
    const int head = w.hits().numbered().front().Index[Head];
    QVERIFY(head > 0);
    const std::size_t before = w.hits().numbered().size();

    whenModal("TExceptForm", [&](QWidget* dialog) {
        auto* list = child<QTreeView>(dialog, "ExceptLV");
        // A refill for another part starts at the top.
        list->scrollToBottom();
        child<QRadioButton>(dialog, "ExceptPartRG1")->click();  // "頭"
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        // A click on a check box selects its row too.
        const QRect box = list->visualRect(list->model()->index(2, kExceptCheck));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 10, box.center().y()));
        QCOMPARE(list->selectionModel()->selectedRows(), QModelIndexList{list->model()->index(2, 0)});
        QCOMPARE(list->model()->index(2, kExceptCheck).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        list->model()->setData(list->model()->index(2, kExceptCheck), Qt::Unchecked, Qt::CheckStateRole);
        QVERIFY(selectRowWith(list, kExceptId, QString::number(head)));
        // The space key flips the selected row's check box.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space);
        const QModelIndex check = list->model()->index(list->currentIndex().row(), kExceptCheck);
        QCOMPARE(check.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        // Switching parts keeps the mark.
        child<QRadioButton>(dialog, "ExceptPartRG5")->click();
        child<QRadioButton>(dialog, "ExceptPartRG1")->click();
        QVERIFY(selectRowWith(list, kExceptId, QString::number(head)));
        QCOMPARE(list->model()->index(list->currentIndex().row(), kExceptCheck).data(Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        child<QPushButton>(dialog, "Button1")->click();
    });
    child<QPushButton>(w.page, "ExceptButton")->click();
    QCOMPARE(int(w.main->exceptFlags().equip[Head][head]), 1);

    QVERIFY(w.search());
    for (const Result& hit : w.hits().numbered()) QVERIFY(hit.Index[Head] != head);
    QVERIFY(w.hits().numbered().size() < before);
}

}  // namespace vk::test

QTEST_MAIN(vk::test::CollectionDialogsTest)
#include "collection_dialogs_test.moc"
