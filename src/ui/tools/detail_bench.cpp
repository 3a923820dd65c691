// velkorantis-detailbench [--data DIR] [--hits N] [--pool K] [--file F]: times the
// result detail window on N made-up hits (default 100000) over the catalogue
// in DIR (default: the current folder), without a display. Every hit takes a
// random piece of each part and up to three random decorations per part
// (fixed seed), so the lists are as long as such a hit list can make them.
// With --pool, every part of a hit is one of K pieces-with-decorations made
// up first, as the hits of one search share a few hundred per part. With
// --file, the hits are those of the result file F (a search's own). Prints,
// in milliseconds:
//   fill         HitNarrowing::Fill alone (alternatives, sorting, row maps)
//   window fill  ResultForm::Fill and its first showing (lists refilled)
//   select 1     the first selection in the window (one part)
//   select 2..6  each further selection, up to one set
//   cancel all   AllCancelButton (every list refilled)
// (processor time and wall time) and the list lengths. A selection must cost an intersection of hit lists,
// not a pass over all hits.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <time.h>
#include <vector>

#include <QCoreApplication>
#include <QPushButton>
#include <QTreeView>

#include "core/catalogue/loader.h"
#include "core/results/hit_narrowing.h"
#include "core/results/result_file_reader.h"
#include "ui/app/application.h"
#include "ui/results/result_form.h"
#include "ui/widgets/user_messages.h"

namespace {

class SilentMessages final : public vk::UserMessages {
public:
    void inform(const QString&, const QString&) override {}
    bool ask(const QString&, const QString&) override { return false; }
};

// Processor time of this process: on a shared machine the wall clock
// measures the neighbours too.
double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Stopwatch {
    double cpu = cpuMilliseconds();
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    void print(const char* what) const {
        std::printf("%-12s %8.1f ms cpu %8.1f ms wall", what, cpuMilliseconds() - cpu,
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall).count());
    }
};

vk::ResultStore madeUpHits(const vk::Catalogue& cat, int count, int pool) {
    std::mt19937 random(20261208);
    auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
    auto madeUp = [&] {
        vk::Result hit;
        for (int part = 0; part < vk::kArmourParts; ++part) hit.Index[part] = pick(cat.equip[part].size());
        for (int part = 0; part < vk::kDecoParts; ++part)
            for (int slot = 0, decos = pick(4); slot < decos; ++slot)
                hit.Decos.DecoIndex[part][slot] = pick(cat.decos.size());
        return hit;
    };
    std::vector<vk::Result> shared;
    for (int k = 0; k < pool; ++k) shared.push_back(madeUp());
    vk::ResultStore hits;
    for (int i = 0; i < count; ++i) {
        vk::Result hit = madeUp();
        if (pool > 0)
            for (int part = 0; part < vk::kDecoParts; ++part) {
                const vk::Result& from = shared[pick(shared.size())];
                if (part < vk::kArmourParts) hit.Index[part] = from.Index[part];
                std::copy(std::begin(from.Decos.DecoIndex[part]), std::end(from.Decos.DecoIndex[part]),
                          hit.Decos.DecoIndex[part]);
            }
        hits.push_back(hit);
    }
    return hits;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vk::Application app(argc, argv);
    std::filesystem::path dataDir = ".";
    int hitCount = 100000;
    int pool = 0;
    std::filesystem::path file;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--data" && i + 1 < argc) dataDir = argv[++i];
        else if (arg == "--hits" && i + 1 < argc) hitCount = std::atoi(argv[++i]);
        else if (arg == "--pool" && i + 1 < argc) pool = std::atoi(argv[++i]);
        else if (arg == "--file" && i + 1 < argc) file = argv[++i];
        else {
            std::fprintf(stderr, "usage: velkorantis-detailbench [--data DIR] [--hits N] [--pool K] [--file F]\n");
            return 2;
        }
    }
    vk::Catalogue cat;
    if (vk::loadCatalogue(dataDir, cat).startupError || hitCount < 1) {
        std::fprintf(stderr, "cannot load the catalogue in %s\n", dataDir.string().c_str());
        return 1;
    }
    std::optional<vk::LoadedResultFile> read;
    if (!file.empty() && !(read = vk::readResultFile(file, cat))) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return 1;
    }
    const vk::ResultStore hits = read ? std::move(read->hits) : madeUpHits(cat, hitCount, pool);
    hitCount = static_cast<int>(hits.size());
    vk::SearchCondition condition;

    std::printf("hits         %d\n", hitCount);
    Stopwatch watch;
    vk::HitNarrowing alone;
    alone.Fill(cat, condition, hits);
    watch.print("fill");
    std::printf("\n");

    SilentMessages messages;
    vk::PossessionLists possessions;
    // No settings file: the window's place is neither read nor written.
    vk::ResultForm form(cat, possessions, messages, std::filesystem::path(), false);
    watch = Stopwatch();
    form.Fill(condition, hits);
    form.show();
    QCoreApplication::processEvents();
    watch.print("window fill");
    std::printf("\n");
    std::printf("rows        ");
    for (int part : {vk::Head, vk::Body, vk::Arm, vk::Wst, vk::Leg, vk::Weapon})
        std::printf(" %d", form.narrowing().rowCount(part));
    std::printf(" (head, body, arm, waist, legs, weapon)\n");

    // Narrow to the set of the middle hit, part by part.
    const std::uint32_t chosen = static_cast<std::uint32_t>(hitCount / 2);
    int step = 0;
    for (int part : {vk::Head, vk::Body, vk::Arm, vk::Wst, vk::Leg, vk::Weapon}) {
        QTreeView* list = form.ResultLV[part];
        watch = Stopwatch();
        list->setCurrentIndex(list->model()->index(form.narrowing().rowOfHit(part, chosen), 0));
        QCoreApplication::processEvents();
        const std::string what = "select " + std::to_string(++step);
        watch.print(what.c_str());
        std::printf("  (%zu hits kept)\n", form.narrowing().Matching().size());
    }
    watch = Stopwatch();
    form.AllCancelButton->click();
    QCoreApplication::processEvents();
    watch.print("cancel all");
    std::printf("\n");
    return form.narrowing().anySelected() ? 1 : 0;
}
