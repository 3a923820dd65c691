// The main window's settings file: read once while the window is built,
// written at close and by "保存" (never after a start-up error). A file that
// is there but cannot be read is never written over: what it holds may be
// the user's only copy of older collections.

#include <QTabWidget>

#include "core/settings/main_settings.h"
#include "core/settings/older_collection_keys.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_location.h"
#include "ui/collections/possession_page.h"
#include "ui/search/condition_restoring.h"
#include "ui/search/search_page.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/window_placement.h"

namespace vk {

namespace {

void setItem(RadioGroup* group, int item) {
    if (item >= 0 && item < group->count()) group->setItemIndex(item);
}

}  // namespace

void MainWindow::readSettings(bool takeOlderCollectionKeys) {
    const std::filesystem::path file = settingsFilePath();
    const IniReading reading = IniFile::load(file);
    if (reading.unreadable()) {
        settingsUnreadable_ = true;
        messages_.inform(QStringLiteral("エラー"),
                         QStringLiteral("設定ファイル %1 を読み込めません。\n"
                                        "設定は既定値で始め、このファイルには書き込みません。")
                             .arg(QString::fromStdString(file.string())));
    }
    const IniFile& ini = reading.ini;
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
    if (settingsUnreadable_) return;
    const std::filesystem::path file = settingsFilePath();
    IniReading reading = IniFile::load(file);
    if (reading.unreadable()) return;  // it became so since the start: left alone all the same
    IniFile& ini = reading.ini;
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
