// The list models of the search page: the virtual hit list and the
// equipment rows whose colour follows ResultLV's selection at every draw.

#include <deque>
#include <vector>

#include <QColor>
#include <QMap>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>

#include "core/search/hits/result_view.h"
#include "ui/search/equip_list_model.h"
#include "ui/search/result_list_model.h"
#include "ui/search/result_list_view.h"
#include "ui/widgets/win_colour.h"

namespace vk::test {

class DetailModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowsColourValuesBecomeQtColours();
    void equipRowsAreBlueForOwnedPiecesOfTheSelectedHit();
    void hitListAsksTheViewForItsTexts();
    void headingClickRedrawsTheShownRowsInTheNewOrder();
};

namespace {

// Keeps the number text of every row the list draws.
class DrawnNumbers : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    mutable QMap<int, QString> rows;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.column() == 0) rows[index.row()] = index.data().toString();
        QStyledItemDelegate::paint(painter, option, index);
    }
};

}  // namespace

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

// Only the rows on screen are reported changed: they must be drawn anew, in
// the new order, also after the list was scrolled.
void DetailModelsTest::headingClickRedrawsTheShownRowsInTheNewOrder() {
    constexpr int kHits = 300;
    std::deque<Result> hits(kHits);
    for (int i = 0; i < kHits; ++i) {
        hits[i].No = i + 1;
        hits[i].Defence = (i * 7) % 10;  // 30 hits share each value
    }
    std::vector<int> byDefence;  // numbers by defence, then by number
    for (int defence = 0; defence < 10; ++defence)
        for (const Result& hit : hits)
            if (hit.Defence == defence) byDefence.push_back(hit.No);
    ResultView view;
    view.assign(hits);
    ResultListView list;
    auto* model = new ResultListModel(view, &list);
    list.setModel(model);
    model->setRowCount(kHits);
    auto* drawn = new DrawnNumbers(&list);
    list.setItemDelegate(drawn);
    list.resize(240, 220);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));

    for (const bool descending : {false, true}) {
        drawn->rows.clear();
        sortHitList(view, kColumnDefence, *model, list);
        QTRY_VERIFY_WITH_TIMEOUT(!drawn->rows.isEmpty(), 2000);
        const int top = list.indexAt(QPoint(0, 0)).row();
        const int bottom = list.indexAt(QPoint(0, list.viewport()->height() - 1)).row();
        QVERIFY(top >= 0 && bottom > top);
        for (int row = top; row <= bottom; ++row)
            QCOMPARE(drawn->rows.value(row), QString::number(byDefence[descending ? kHits - 1 - row : row]));
        // A view change before the next click: the rows shown are others.
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum() / 2);
        QCoreApplication::processEvents();
    }
}

}  // namespace vk::test

QTEST_MAIN(vk::test::DetailModelsTest)
#include "detail_models_test.moc"
