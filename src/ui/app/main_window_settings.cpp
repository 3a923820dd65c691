// The main window's settings file: read once while the window is built,
// written at close and by "保存" (never after a start-up error).

#include <QTabWidget>

#include "core/settings/main_settings.h"
#include "core/settings/older_collection_keys.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_location.h"
#include "ui/app/window_placement.h"
#include "ui/collections/possession_page.h"
#include "ui/search/condition_restoring.h"
#include "ui/search/search_page.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

void setItem(RadioGroup* group, int item) {
    if (item >= 0 && item < group->count()) group->setItemIndex(item);
}

}  // namespace

void MainWindow::readSettings(bool takeOlderCollectionKeys) {
    const IniFile ini = IniFile::load(settingsFilePath());
    const MainSettings stored = readMainSettings(ini, catalogue_, windowSettingsOf(this).bounds);
    applyWindowSettings(this, stored.window);
    if (stored.page) pageTabs_->setCurrentIndex(*stored.page);
    restoreConditionControls(searchPage_->conditions, stored.condition);
    fixEquip_ = stored.condition.form.fixEquip;
    setItem(possessionPage_->SexPossRG, stored.sexPossItem);
    setItem(possessionPage_->TypePossRG, stored.typePossItem);
    if (takeOlderCollectionKeys) readOlderCollections(ini);
}

// Added to what config.csv held before its reading stopped.
void MainWindow::readOlderCollections(const IniFile& ini) {
    Collections collections{std::move(exceptFlags_), std::move(mysets_), std::move(possessions_)};
    readOlderCollectionKeys(ini, catalogue_, collections);
    exceptFlags_ = std::move(collections.exclusions);
    mysets_ = std::move(collections.mysets);
    possessions_ = std::move(collections.possessions);
}

void MainWindow::writeSettings() {
    const std::filesystem::path file = settingsFilePath();
    IniFile ini = IniFile::load(file);
    MainSettings settings;
    settings.window = windowSettingsOf(this);
    settings.page = pageTabs_->currentIndex();
    settings.condition = conditionSettingsOf(searchPage_->conditions, fixEquip_);
    settings.sexPossItem = possessionPage_->SexPossRG->itemIndex();
    settings.typePossItem = possessionPage_->TypePossRG->itemIndex();
    writeMainSettings(ini, catalogue_, settings);
    ini.save(file);  // a failed write is not reported
}

}  // namespace vk
