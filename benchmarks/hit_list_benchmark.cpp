// The hit list with millions of hits: a click on a column heading, from the
// mouse release to the end of the list's first repaint (the new order
// included), without a display.
//
//   build/benchmarks/hit_list_benchmark
//
// HeadingClick/hits:N   one click on 防御, スロット or 所持数 in turn (each
//                       click sorts: another column, or the same one the
//                       other way round); real time per click.
// BuildOrders/hits:N    the hits taken into the list's view: sums and the
//                       three column orders a click then only reads.

#include <cstdlib>
#include <memory>
#include <random>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>

#include "core/search/hits/result_view.h"
#include "sample_catalogue.h"
#include "ui/search/result_list_model.h"
#include "ui/search/result_list_view.h"

namespace vk {
namespace {

const Catalogue& sample() { return bench::sampleCatalogue(); }

// Hits of random pieces (fixed seed): defence sums spread over hundreds of
// values, slots and possession over a few, so many keys are equal.
ResultStore madeUpHits(std::size_t count) {
    std::mt19937 random(20261208);
    ResultStore hits;
    for (std::size_t i = 0; i < count; ++i) {
        Result hit;
        for (int part = 0; part < kArmourParts; ++part)
            hit.Index[part] = static_cast<int>(random() % sample().equip[part].size());
        hits.push_back(hit);
    }
    return hits;
}

PossessionLists someOwnedPieces() {
    PossessionLists owned;
    std::mt19937 random(7);
    for (int part = 0; part < kArmourParts; ++part)
        for (int k = 0; k < 3; ++k) {
            Possession piece;
            piece.PossPart = part;
            piece.PossIndex = static_cast<int>(random() % sample().equip[part].size());
            owned[part].push_back(piece);
        }
    return owned;
}

// One list, as a page shows it, over `hits` made-up hits.
struct ShownList {
    ResultView view;
    ResultListView list;
    ResultListModel* model = nullptr;
    int paints = 0;

    explicit ShownList(std::size_t hits) {
        BuildResultView(view, madeUpHits(hits), sample(), someOwnedPieces());
        model = new ResultListModel(view, &list);
        list.setModel(model);
        list.setUniformRowHeights(true);
        list.setRootIsDecorated(false);
        list.header()->setSectionsClickable(true);
        model->setRowCount(static_cast<int>(view.count()));
        QObject::connect(list.header(), &QHeaderView::sectionClicked, &list,
                         [this](int column) { sortHitList(view, column, *model, list); });
        list.resize(420, 360);
        list.show();
        list.viewport()->installEventFilter(&counter);
        counter.paints = &paints;
        QCoreApplication::processEvents();
    }

    struct PaintCounter : QObject {
        int* paints = nullptr;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } counter;
};

void HeadingClick(benchmark::State& state) {
    ShownList shown(static_cast<std::size_t>(state.range(0)));
    QHeaderView* header = shown.list.header();
    int column = kColumnDefence;
    for (auto _ : state) {
        const QPoint at(header->sectionViewportPosition(column) + 4, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
        const int before = shown.paints;
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, at);
        while (shown.paints == before) QCoreApplication::processEvents();
        column = column == kColumnPossessed ? kColumnDefence : column + 1;
    }
    state.counters["top_no"] = shown.model->index(0, 0).data().toDouble();
}
BENCHMARK(HeadingClick)->ArgName("hits")->Arg(100000)->Arg(3000000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BuildOrders(benchmark::State& state) {
    const ResultStore hits = madeUpHits(static_cast<std::size_t>(state.range(0)));
    const PossessionLists owned = someOwnedPieces();
    for (auto _ : state) {
        ResultView view;
        BuildResultView(view, hits, sample(), owned);
        benchmark::DoNotOptimize(view.count());
    }
}
BENCHMARK(BuildOrders)->ArgName("hits")->Arg(3000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vk

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
