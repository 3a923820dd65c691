// velkorantis-listbench [PIECES_PER_PART]: how long the fixed-equipment and
// exclusion dialogs take to fill their lists, on a made-up catalogue with
// PIECES_PER_PART pieces in each of the five parts (default 1000, so 5,000
// pieces) and 399 decorations. Runs without a display. For each step it
// prints the median and the fastest of 21 runs in milliseconds:
//   core fill   the model alone (FixDialogModel::show, ExceptList::fill)
//   dialog fill the dialog's FormShow/prepare and one drawing of the window
//   name sort   one click on the name header (model alone)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <QElapsedTimer>

#include "core/collections/except_list.h"
#include "core/collections/fix_dialog_model.h"
#include "core/text/sjis.h"
#include "ui/app/application.h"
#include "ui/collections/except_form.h"
#include "ui/collections/fix_form.h"

namespace {

constexpr int kRuns = 21;
constexpr int kSystems = 90;
constexpr int kDecos = 400;

vk::Catalogue madeUpCatalogue(int perPart) {
    std::mt19937 random(20261208);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    vk::Catalogue cat;
    cat.skillTypes.push_back(vk::utf8ToSjis("なし"));
    for (int s = 1; s < kSystems; ++s) cat.skillTypes.push_back(vk::utf8ToSjis("技能") + std::to_string(s));
    const char* words[] = {"脚", "頭", "胴", "腕", "腰"};
    for (int part = 0; part < vk::kArmourParts; ++part) {
        auto& table = cat.equip[part];
        table.push_back(vk::Equip{vk::utf8ToSjis("装備なし")});
        for (int i = 1; i <= perPart; ++i) {
            vk::Equip e;
            e.name = vk::utf8ToSjis("試作") + vk::utf8ToSjis(words[part]) + std::to_string(pick(0, 99999));
            e.sex = pick(0, 2);
            e.type = pick(0, 2);
            e.rarity = pick(1, 8);
            e.slots = pick(0, 3);
            e.defence = pick(5, 120);
            for (int k = 0; k < pick(1, 5); ++k) e.skill[k] = {pick(1, kSystems - 1), pick(-3, 5)};
            table.push_back(e);
        }
    }
    cat.decos.push_back(vk::Deco{vk::utf8ToSjis("装飾なし")});
    for (int d = 1; d < kDecos; ++d) {
        vk::Deco deco;
        deco.name = vk::utf8ToSjis("珠") + std::to_string(d);
        deco.rarity = pick(1, 8);
        deco.slots = pick(1, 3);
        deco.skill[0] = {pick(1, kSystems - 1), pick(1, 4)};
        if (pick(0, 1)) deco.skill[1] = {pick(1, kSystems - 1), -pick(1, 3)};
        cat.decos.push_back(deco);
    }
    return cat;
}

// Median and fastest of kRuns runs of `step`, in milliseconds.
void measure(const char* what, int rows, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s %6d rows  median %8.3f ms  fastest %8.3f ms\n", what, rows, ms[kRuns / 2], ms.front());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vk::Application app(argc, argv);
    const int perPart = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (argc > 2 || perPart < 2) {
        std::fprintf(stderr, "usage: velkorantis-listbench [PIECES_PER_PART]\n");
        return 2;
    }
    const vk::Catalogue cat = madeUpCatalogue(perPart);
    std::printf("catalogue: %d pieces (%d per part), %d decorations\n", vk::kArmourParts * perPart, perPart,
                kDecos - 1);

    vk::FixDialogModel fix(cat);
    auto presetHead = [&](vk::FixDialogModel& m) { m.presetFixedPiece(vk::Head, 1, vk::DecoSet{}, 0, 0); };
    presetHead(fix);
    measure("fixed equipment: core fill", perPart, [&] { fix.show(); });
    measure("fixed equipment: name sort", perPart, [&] { fix.sortPieces(vk::kFixPieceName); });

    vk::FixForm fixForm(cat);
    presetHead(fixForm.model());
    fixForm.show();
    measure("fixed equipment: dialog fill", perPart, [&] {
        fixForm.FormShow();
        fixForm.grab();
    });
    fixForm.hide();

    vk::ExceptList except(cat);
    const vk::ExceptFlags none = vk::ExceptFlags::sizedFor(cat);
    const int allRows = vk::kArmourParts * perPart + kDecos - 1;
    measure("exclusions: core fill (all parts)", allRows, [&] {
        except.open(none);
        except.fill(vk::kExceptAllParts);
    });
    measure("exclusions: name sort", allRows, [&] { except.sortBy(vk::kExceptName); });

    vk::ExceptForm exceptForm(cat);
    exceptForm.show();
    measure("exclusions: dialog fill", allRows, [&] {
        exceptForm.prepare(none);
        exceptForm.grab();
    });
    exceptForm.hide();
    return 0;
}
