// The list models of the search page: the virtual hit list and the
// equipment rows whose colour follows ResultLV's selection at every draw.

#include <QColor>
#include <QTest>

#include "core/search/hits/result_view.h"
#include "ui/search/equip_list_model.h"
#include "ui/search/result_list_model.h"
#include "ui/widgets/win_colour.h"

namespace vk::test {

class DetailModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsColourValuesBecomeQtColours();
    void equipRowsAreBlueForOwnedPiecesOfTheSelectedHit();
    void hitListAsksTheViewForItsTexts();
};

void DetailModelsTest::windowsColourValuesBecomeQtColours() {
    QCOMPARE(qColourOf(kLightGreen), QColor(100, 255, 100));
    QCOMPARE(qColourOf(kLightRed), QColor(255, 100, 100));
    QCOMPARE(qColourOf(kLightBlue), QColor(200, 200, 255));
    QVERIFY(!backgroundOf(std::nullopt).isValid());
}

void DetailModelsTest::equipRowsAreBlueForOwnedPiecesOfTheSelectedHit() {
    PossessionLists owned;
    owned[Arm].push_back(Possession{Arm, 7, {}, {}, 0, {}});
    Result hit;
    hit.Index = {3, 4, 5, 7, 9};  // Leg, Head, Body, Arm, Wst
    std::optional<Result> selected = hit;
    EquipListModel model({QStringLiteral("防具名")}, owned, [&selected] { return selected; });
    QCOMPARE(model.rowCount(), 0);  // nothing shown yet
    model.setRows({});
    QCOMPARE(model.rowCount(), kEquipRows);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("防具名"));

    // Rows in display order Head, Body, Arm, Wst, Leg: the arm row is owned.
    auto background = [&model](int row) { return model.index(row, 3).data(Qt::BackgroundRole); };
    for (int row = 0; row < kEquipRows; ++row)
        QCOMPARE(background(row).isValid(), row == 2);
    QCOMPARE(background(2).value<QColor>(), QColor(200, 200, 255));

    selected->Index[Arm] = 8;  // the selection now holds another piece
    QVERIFY(!background(2).isValid());
    selected->Index[Arm] = 7;
    QVERIFY(background(2).isValid());
    selected.reset();  // nothing selected: default colours
    QVERIFY(!background(2).isValid());
}

void DetailModelsTest::hitListAsksTheViewForItsTexts() {
    ResultView view;
    std::deque<Result> hits(3);
    for (int i = 0; i < 3; ++i) {
        hits[i].No = i + 1;
        hits[i].Defence = 30 - i * 10;
    }
    view.assign(hits);
    ResultListModel model(view);
    QCOMPARE(model.rowCount(), 0);  // a search under way shows nothing
    model.setRowCount(3);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("30"));
    view.clickColumn(kColumnDefence);
    model.refresh(0, 2);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("3"));
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("10"));
    QVERIFY(!model.index(3, 0).data().isValid());
    QCOMPARE(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("スロット"));
}

}  // namespace vk::test

QTEST_MAIN(vk::test::DetailModelsTest)
#include "detail_models_test.moc"
