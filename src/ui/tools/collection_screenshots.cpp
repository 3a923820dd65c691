#include "ui/tools/collection_screenshots.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>
#include <QTreeView>

#include "core/collections/fix_dialog_model.h"
#include "core/collections/myset_rules.h"
#include "core/text/sjis.h"
#include "ui/app/main_window.h"
#include "ui/collections/myset_page.h"
#include "ui/collections/myset_tab.h"
#include "ui/collections/possession_page.h"
#include "ui/collections/possession_tab.h"

namespace vk {

namespace {

// Up to `count` pieces of `part` for everyone with at least one slot, each
// with one-slot decorations in its slots (at most two).
void addOwnedPieces(const Catalogue& cat, PossessionTab& tab, int part, int count) {
    std::vector<int> oneSlot;
    for (int d = 1; d < static_cast<int>(cat.decos.size()) && oneSlot.size() < 8; ++d)
        if (cat.decos[d].slots == 1) oneSlot.push_back(d);
    const auto& table = cat.equip[part];
    for (int row = 1, added = 0; row < static_cast<int>(table.size()) && added < count; ++row) {
        const Equip& e = table[row];
        if (e.slots < 1 || e.sex != 0 || e.type != 0) continue;
        FixResult piece{part, row, {}};
        for (int s = 0; s < std::min(e.slots, 2) && !oneSlot.empty(); ++s)
            piece.decos.push_back(oneSlot[(row + s + added) % oneSlot.size()]);
        tab.appendFromDialog(piece);
        ++added;
    }
}

bool grab(MainWindow& window, int page, const QString& dir, const QString& name) {
    window.pageTabs()->setCurrentIndex(page);
    QCoreApplication::processEvents();
    const QString file = QDir(dir).filePath(name);
    if (window.grab().save(file)) return true;
    std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
    return false;
}

void selectFirst(QTreeView* view) {
    if (view->model()->rowCount() > 0) view->setCurrentIndex(view->model()->index(0, 0));
}

}  // namespace

bool saveCollectionPages(MainWindow& window, const QString& dir) {
    PossessionTab* possessions = window.possessionTab();
    MysetTab* mysets = window.mysetTab();
    if (window.startupError() || !possessions || !mysets) return true;  // nothing to show
    const Catalogue& cat = window.catalogue();
    window.setAutosave(false);  // the pieces and sets are for the pictures only
    for (int part : kDisplayOrder) addOwnedPieces(cat, *possessions, part, 4);
    for (int part : kDisplayOrder) selectFirst(window.possessionPage()->PossLV[part]);
    if (!grab(window, 1, dir, QStringLiteral("possessions-selected.png"))) return false;

    const char* names[] = {"剣士の基本セット", "ガンナー用", "予備,火耐性"};
    for (int n = 0; n < 3; ++n) {
        SelectedPossessions selected{};
        for (int part = 0; part < kArmourParts; ++part) {
            const auto& owned = window.possessions()[part];
            if (!owned.empty()) selected[part] = &owned[n % owned.size()];
        }
        Myset set = mysetFromPossessions(cat, selected, 1 + n % 2, 1 + n % 2);
        set.WeaponSlot = n + 1;
        set.Name = utf8ToSjis(names[n]);
        mysets->appendMyset(set);
    }
    selectFirst(window.mysetPage()->MysetLV);
    return grab(window, 2, dir, QStringLiteral("mysets-selected.png"));
}

}  // namespace vk
