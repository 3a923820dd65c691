// The fixed-equipment dialog on its own, on the sample catalogue: the
// possession modes with the part choice, a double click and FixAddButton,
// the name search by Enter and header sorts.

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/catalogue/loader.h"
#include "support/catalogue_dir.h"
#include "ui/collections/fix_form.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk::test {
namespace {

// The bundled sample catalogue; empty when it does not load.
Catalogue sampleCatalogue() {
    CatalogueDir dir;
    Catalogue cat;
    if (!dir.ok() || loadCatalogue(dir.path(), cat).startupError) return Catalogue{};
    return cat;
}

// Runs `drive` once the dialog is up; cancels it if `drive` left it open.
void whenShown(FixForm& form, std::function<void()> drive) {
    QTimer::singleShot(0, &form, [&form, drive = std::move(drive)] {
        drive();
        if (form.isVisible()) form.reject();
    });
}

QString cell(const QTreeView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }

void clickHeader(QTreeView* view, int column) {
    QHeaderView* header = view->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

}  // namespace

class FixFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void possessionAddAppendsWithoutClosingAndTakesThePartChoice();
    void nameSearchByEnterAndHeaderSorts();
};

void FixFormTest::possessionAddAppendsWithoutClosingAndTakesThePartChoice() {
    const Catalogue cat = sampleCatalogue();
    QVERIFY(!cat.skillEqs.empty());
    FixForm form(cat);
    std::vector<FixResult> appended;
    form.setPossessionAppender([&](const FixResult& r) { appended.push_back(r); });

    form.model().presetPossessionAdd(Body, /*sex*/ 0, /*type*/ 2);
    whenShown(form, [&] {
        QVERIFY(form.FixPartRG->isVisible());
        QVERIFY(form.FixAddButton->isVisible());
        QVERIFY(form.FixSexRG->isEnabled());
        QVERIFY(!form.FixTypeRG->isEnabled());
        QCOMPARE(form.FixTypeRG->itemIndex(), 2);
        QCOMPARE(form.FixLabel->text(), QStringLiteral("胴装備"));
        QCOMPARE(cell(form.FixLV, 0, kFixPieceId), QStringLiteral("1"));  // no row for "no piece"
        // The part choice: "脚" lists the leg pieces, the first one taken.
        form.findChild<QRadioButton*>(QStringLiteral("FixPartRG4"))->click();
        QCOMPARE(form.FixLabel->text(), QStringLiteral("脚装備"));
        QCOMPARE(form.model().state().FixPart, int(Leg));
        QCOMPARE(form.FixLV->selectionModel()->selectedRows().size(), 1);
        // A piece with slots; a double click on a one-slot candidate fits it.
        int withSlots = 0;
        while (withSlots < form.FixLV->model()->rowCount() && cell(form.FixLV, withSlots, kFixPieceSlots) == "0")
            ++withSlots;
        QVERIFY(withSlots < form.FixLV->model()->rowCount());
        form.FixLV->setCurrentIndex(form.FixLV->model()->index(withSlots, 0));
        QCOMPARE(cat.decos[1].slots, 1);
        const QPoint first = form.DecoLV->visualRect(form.DecoLV->model()->index(0, 1)).center();
        QTest::mouseClick(form.DecoLV->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(form.DecoLV->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(form.SelDecoLV->model()->rowCount(), 1);
        form.FixAddButton->click();
        form.FixAddButton->click();
        QVERIFY(form.isVisible());
        QCOMPARE(appended.size(), std::size_t(2));
        QCOMPARE(appended[0], appended[1]);
        QCOMPARE(appended[0].part, int(Leg));
        QCOMPARE(appended[0].decos, std::vector<int>{1});
        QCOMPARE(appended[0].index, cell(form.FixLV, withSlots, kFixPieceId).toInt());
        form.cancelButton->click();
    });
    QCOMPARE(form.showModal(), std::nullopt);
    QCOMPARE(appended.size(), std::size_t(2));  // Cancel keeps what was appended
    QVERIFY(!form.FixPartRG->isVisible());
    QVERIFY(!form.FixAddButton->isVisible());

    // The change mode: its caption only while it runs; OK hands the piece over.
    Possession owned;
    owned.PossPart = Arm;
    owned.PossIndex = 3;
    form.model().presetPossessionChange(Arm, owned, 1, 0);
    whenShown(form, [&] {
        QCOMPARE(form.OkButton->text(), QStringLiteral("変更"));
        QVERIFY(!form.FixSexRG->isEnabled());
        QVERIFY(!form.FixAddButton->isVisible());
        QCOMPARE(cell(form.FixLV, form.model().selectedPieceRow(), kFixPieceId), QStringLiteral("3"));
        form.OkButton->click();
    });
    QCOMPARE(form.showModal(), (FixResult{Arm, 3, {}}));
    QCOMPARE(form.OkButton->text(), QStringLiteral("追加"));
}

void FixFormTest::nameSearchByEnterAndHeaderSorts() {
    const Catalogue cat = sampleCatalogue();
    QVERIFY(!cat.skillEqs.empty());
    FixForm form(cat);
    form.model().presetFixedPiece(Head, 0, DecoSet{}, 1, 1);
    whenShown(form, [&] {
        QVERIFY(!form.FixSexRG->isEnabled());
        // Enter searches from the row after the selected one and keeps the dialog open.
        const int target = 5;
        const QString name = cell(form.FixLV, target, kFixPieceName);
        form.SearchEdit->setText(name.right(2));
        form.SearchEdit->setFocus();
        QTest::keyClick(form.SearchEdit, Qt::Key_Return);
        QVERIFY(form.isVisible());
        const int found = form.FixLV->selectionModel()->selectedRows().value(0).row();
        QVERIFY(cell(form.FixLV, found, kFixPieceName).contains(name.right(2)));
        QVERIFY(found > 0 && found <= target);
        QCOMPARE(form.model().pieceRows()[found], form.model().state().FixIndex);

        // A header click sorts by defence ascending, a second one descending;
        // the selected piece stays selected.
        const QString selectedId = cell(form.FixLV, found, kFixPieceId);
        for (bool descending : {false, true}) {
            clickHeader(form.FixLV, kFixPieceDefence);
            for (int r = 1; r < form.FixLV->model()->rowCount(); ++r) {
                const int before = cell(form.FixLV, r - 1, kFixPieceDefence).toInt();
                const int after = cell(form.FixLV, r, kFixPieceDefence).toInt();
                QVERIFY(descending ? before >= after : before <= after);
            }
            const int row = form.FixLV->selectionModel()->selectedRows().value(0).row();
            QCOMPARE(cell(form.FixLV, row, kFixPieceId), selectedId);
        }
        form.OkButton->click();
    });
    QVERIFY(form.showModal().has_value());
}

}  // namespace vk::test

QTEST_MAIN(vk::test::FixFormTest)
#include "fix_form_test.moc"
