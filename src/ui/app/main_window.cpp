#include "ui/app/main_window.h"

#include <filesystem>

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QTabWidget>

#include "core/catalogue/loader.h"
#include "core/search/condition/condition_check.h"
#include "core/search/condition/condition_gather.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/app/window_placement.h"
#include "ui/collections/myset_page.h"
#include "ui/collections/possession_page.h"
#include "ui/results/result_file_page.h"
#include "ui/search/condition_reading.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"

namespace vk {

MainWindow::MainWindow(UserMessages& messages, QWidget* parent) : QMainWindow(parent), messages_(messages) {
    buildLayout();
    connectControls();
    StartupError = false;
    loadCatalogue();
    fillSkillBoxes();
    keepFittedToWorkArea(this);
    if (!StartupError) {
        const bool collectionsComplete = readCollections();
        readSettings(!collectionsComplete);
        showFixedDecorations();
        rebuildPossessionLists();
        fillMysetList();
        refreshResultFiles();
        createSearchWorker();
    }
}

// The worker goes first: it may be searching or waiting for a step.
MainWindow::~MainWindow() { searchController_->finishWorker(); }

void MainWindow::buildLayout() {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("VELKORANTIS ver.0.7a"));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet1 = new SearchPage(PageControl1);
    TabSheet2 = new PossessionPage(PageControl1);
    TabSheet4 = new MysetPage(PageControl1);
    TabSheet3 = new ResultFilePage(PageControl1);
    PageControl1->addTab(TabSheet1, QStringLiteral("【　スキルシミュレート　】"));
    PageControl1->addTab(TabSheet2, QStringLiteral("【　所持品登録　】"));
    PageControl1->addTab(TabSheet4, QStringLiteral("【　マイセット管理　】"));
    PageControl1->addTab(TabSheet3, QStringLiteral("【　検索結果ファイル表示　】"));
    setCentralWidget(PageControl1);
    searchController_ = new SearchController(*TabSheet1, catalogue_, possessions_, this);
    move(191, 105);
    resize(kDesignWidth, kDesignHeight);
}

void MainWindow::connectControls() {
    connect(TabSheet1->SearchButton, &QPushButton::clicked, this, &MainWindow::SearchButtonClick);
    connectConditionEnabling();
    for (int part = 0; part < kArmourParts; ++part)
        connect(TabSheet1->conditions.fixedPicker[part], &QPushButton::clicked, this,
                [this, part] { FixedButtonClick(part); });
    connect(TabSheet2->SaveButton, &QPushButton::clicked, this, &MainWindow::SaveButtonClick);
}

void MainWindow::loadCatalogue() {
    const LoadReport report = vk::loadCatalogue(std::filesystem::current_path(), catalogue_);
    if (report.startupError) StartupError = true;
    for (const UserMessage& message : report.messages) messages_.informSjis(message);
}

void MainWindow::fillSkillBoxes() {
    for (SkillComboBox* box : TabSheet1->conditions.skill) fillSkillCombo(*box, catalogue_);
    for (SkillComboBox* box : TabSheet3->conditions.skill) fillSkillCombo(*box, catalogue_);
}

void MainWindow::SearchButtonClick() {
    if (StartupError) {
        messages_.inform(QStringLiteral("エラー"), QStringLiteral("起動時にエラーが発生したため利用できません。"));
        return;
    }
    const ConditionForm form = readConditionForm(TabSheet1->conditions, fixEquip_);
    if (const std::optional<UserMessage> refusal = checkSearchRequest(catalogue_, StartupError, form.skillBoxes)) {
        messages_.informSjis(*refusal);
        return;
    }
    searchController_->startSearch(gatherCondition(catalogue_, form), searchSnapshot());
}

SearchSnapshot MainWindow::searchSnapshot() const {
    SearchSnapshot snapshot;
    for (int part = 0; part < kArmourParts; ++part)
        for (const Possession& owned : possessions_[part]) snapshot.possessed[part].push_back(owned.PossIndex);
    // The exclusion dialog is not there yet: nothing is excluded.
    snapshot.exclusions = ExceptFlags::sizedFor(catalogue_);
    return snapshot;
}

// IsDecorationClick, AllEquipCBClick, HeadCBClick .. LegCBClick.
void MainWindow::connectConditionEnabling() {
    const ConditionControls& c = TabSheet1->conditions;
    auto apply = [page = TabSheet1] { applyConditionEnabling(page->conditions); };
    connect(c.decorations, &QCheckBox::clicked, this, apply);
    connect(c.allPieces, &QCheckBox::clicked, this, apply);
    for (QCheckBox* box : c.fixed) connect(box, &QCheckBox::clicked, this, apply);
}

void MainWindow::FixedButtonClick(int /*part*/) {
    if (StartupError) return;
    // The fixed-equipment dialog opens here once it exists.
}

void MainWindow::createSearchWorker() { searchController_->createWorker(); }

void MainWindow::SaveButtonClick() { saveSettingsAndCollections(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // A search under way or paused ends with the window.
    searchController_->finishWorker();
    saveSettingsAndCollections();
    event->accept();
}

void MainWindow::saveSettingsAndCollections() {
    if (StartupError) return;
    WaitCursor wait;
    writeSettings();
    writeCollections();
}

// --- Not built yet: each step is filled in by its subsystem. ---

bool MainWindow::readCollections() { return false; }
void MainWindow::readSettings(bool /*takeOlderCollectionKeys*/) {}
void MainWindow::showFixedDecorations() {}
void MainWindow::rebuildPossessionLists() {}
void MainWindow::fillMysetList() {}
void MainWindow::refreshResultFiles() {}
void MainWindow::writeSettings() {}
void MainWindow::writeCollections() {}

}  // namespace vk
