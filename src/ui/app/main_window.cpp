#include "ui/app/main_window.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <filesystem>

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "core/catalogue/loader.h"
#include "core/collections/collections_file.h"
#include "core/collections/deco_laying.h"
#include "core/collections/myset_rules.h"
#include "core/collections/search_snapshot.h"
#include "core/results/shown_set.h"
#include "core/search/addable/addable_candidates.h"
#include "core/search/condition/condition_check.h"
#include "core/search/condition/condition_gather.h"
#include "ui/app/settings_location.h"
#include "ui/collections/except_form.h"
#include "ui/collections/fix_form.h"
#include "ui/collections/myset_page.h"
#include "ui/collections/myset_tab.h"
#include "ui/collections/possession_page.h"
#include "ui/collections/possession_tab.h"
#include "ui/results/result_except_form.h"
#include "ui/results/result_file_controller.h"
#include "ui/results/result_file_page.h"
#include "ui/results/result_form.h"
#include "ui/search/addable_form.h"
#include "ui/search/condition_reading.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/follow_enabled.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/widgets/window_placement.h"

namespace vk {

MainWindow::MainWindow(UserMessages& messages, QWidget* parent) : QMainWindow(parent), messages_(messages) {
    buildLayout();
    connectControls();
    startupError_ = false;
    loadCatalogue();
    fillSkillBoxes();
    exceptFlags_ = ExceptFlags::sizedFor(catalogue_);
    createDialogs();
    createCollectionTabs();
    keepFittedToWorkArea(this);
    if (!startupError_) {
        const bool collectionsComplete = readCollections();
        readSettings(!collectionsComplete);
        showFixedDecorations();
        rebuildPossessionLists();
        fillMysetList();
        refreshResultFiles();
        createSearchWorker();
    }
    createResultForm();
    createAddableForm();
}

// The worker goes first: it may be searching or waiting for a step. The
// dialogs go next, while the catalogue and collections they refer to still
// live: left to the base destructor, a dialog still open would be hidden,
// and draw its lists, after this window's members are gone.
MainWindow::~MainWindow() {
    searchController_->finishWorker();
    delete addableForm_;
    delete resultForm_;
    delete resultExceptForm_;
    delete fixForm_;
    delete exceptForm_;
}

void MainWindow::buildLayout() {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("VELKORANTIS ver.0.7a"));
    pageTabs_ = new QTabWidget(this);
    pageTabs_->setObjectName(QStringLiteral("PageControl1"));
    searchPage_ = new SearchPage(pageTabs_);
    possessionPage_ = new PossessionPage(pageTabs_);
    mysetPage_ = new MysetPage(pageTabs_);
    resultFilePage_ = new ResultFilePage(pageTabs_);
    pageTabs_->addTab(searchPage_, QStringLiteral("【　スキルシミュレート　】"));
    pageTabs_->addTab(possessionPage_, QStringLiteral("【　所持品登録　】"));
    pageTabs_->addTab(mysetPage_, QStringLiteral("【　マイセット管理　】"));
    pageTabs_->addTab(resultFilePage_, QStringLiteral("【　検索結果ファイル表示　】"));
    setCentralWidget(pageTabs_);
    searchController_ = new SearchController(*searchPage_, catalogue_, possessions_, this);
    searchController_->setMessages(messages_);
    resultFileController_ = new ResultFileController(*resultFilePage_, catalogue_, possessions_, messages_,
                                                     searchController_->DetailSource, this);
    savePathChooser_ = saveFileDialog(this);
    resultExceptForm_ = new ResultExceptForm(catalogue_, this);
    move(191, 105);
    resize(kDesignWidth, kDesignHeight);
}

void MainWindow::connectControls() {
    connect(searchPage_->SearchButton, &QPushButton::clicked, this, &MainWindow::SearchButtonClick);
    connectConditionEnabling();
    for (int part = 0; part < kArmourParts; ++part)
        connect(searchPage_->conditions.fixedPicker[part], &QPushButton::clicked, this,
                [this, part] { FixedButtonClick(part); });
    connect(searchPage_->conditions.exclusions, &QPushButton::clicked, this, &MainWindow::ExceptButtonClick);
    connect(possessionPage_->SaveButton, &QPushButton::clicked, this, &MainWindow::SaveButtonClick);
    connect(searchPage_->ResultSaveButton, &QPushButton::clicked, this, &MainWindow::ResultSaveButtonClick);
    connect(resultFileController_, &ResultFileController::exclusionsRequested, this, [this] {
        if (resultFileController_->loaded()) resultExceptForm_->showModal(resultFileController_->loaded()->exclusions);
    });
    connect(searchPage_->MysetButton, &QPushButton::clicked, this, &MainWindow::MysetButtonClick);
    connect(resultFilePage_->ResultMysetButton, &QPushButton::clicked, this, &MainWindow::ResultMysetButtonClick);
}

void MainWindow::loadCatalogue() {
    const LoadReport report = vk::loadCatalogue(std::filesystem::current_path(), catalogue_);
    if (report.startupError) startupError_ = true;
    for (const UserMessage& message : report.messages) messages_.informSjis(message);
}

void MainWindow::fillSkillBoxes() {
    for (SkillComboBox* box : searchPage_->conditions.skill) fillSkillCombo(*box, catalogue_);
    for (SkillComboBox* box : resultFilePage_->conditions.skill) fillSkillCombo(*box, catalogue_);
}

std::optional<GatheredCondition> MainWindow::checkedCondition() {
    if (startupError_) {
        messages_.inform(QStringLiteral("エラー"), QStringLiteral("起動時にエラーが発生したため利用できません。"));
        return std::nullopt;
    }
    const ConditionForm form = readConditionForm(searchPage_->conditions, fixEquip_);
    if (const std::optional<UserMessage> refusal = checkSearchRequest(catalogue_, startupError_, form.skillBoxes)) {
        messages_.informSjis(*refusal);
        return std::nullopt;
    }
    return gatherCondition(catalogue_, form);
}

void MainWindow::SearchButtonClick() {
    if (const std::optional<GatheredCondition> condition = checkedCondition())
        searchController_->startSearch(*condition, searchSnapshot());
}

void MainWindow::AddableButtonClick() {
    if (const std::optional<GatheredCondition> condition = checkedCondition())
        addableForm_->start(condition->engine, condition->window.wanted, searchSnapshot());
}

SearchSnapshot MainWindow::searchSnapshot() const { return searchSnapshotOf(possessions_, exceptFlags_); }

// IsDecorationClick, AllEquipCBClick, HeadCBClick .. LegCBClick.
void MainWindow::connectConditionEnabling() {
    const ConditionControls& c = searchPage_->conditions;
    auto apply = [page = searchPage_] { applyConditionEnabling(page->conditions); };
    connect(c.decorations, &QCheckBox::clicked, this, apply);
    connect(c.allPieces, &QCheckBox::clicked, this, apply);
    for (QCheckBox* box : c.fixed) connect(box, &QCheckBox::clicked, this, apply);
}

void MainWindow::FixedButtonClick(int part) {
    if (startupError_) return;
    const ConditionControls& c = searchPage_->conditions;
    fixForm_->model().presetFixedPiece(part, fixEquip_.piece[part], fixEquip_.decos, c.sex->itemIndex() + 1,
                                       c.type->itemIndex() + 1);
    const std::optional<FixResult> result = fixForm_->showModal();
    if (!result) return;
    setFixedPiece(fixEquip_, part, result->index, result->decos, catalogue_);
    showFixedPiece(part);
}

void MainWindow::showFixedPiece(int part) {
    const ConditionControls& c = searchPage_->conditions;
    const auto& table = catalogue_.equip[part];
    const int piece = fixEquip_.piece[part];
    if (piece >= 0 && piece < static_cast<int>(table.size())) c.fixedPiece[part]->setText(fromSjis(table[piece].name));
    c.fixedDecos[part]->setText(fromSjis(decorationText(catalogue_, fixEquip_.decos, part)));
}

// Start-up: the decorations of the fixed pieces as the settings left them.
void MainWindow::showFixedDecorations() {
    for (int part = 0; part < kArmourParts; ++part)
        searchPage_->conditions.fixedDecos[part]->setText(fromSjis(decorationText(catalogue_, fixEquip_.decos, part)));
}

void MainWindow::ExceptButtonClick() {
    std::optional<ExceptFlags> edited = exceptForm_->showModal(exceptFlags_);
    if (!edited) return;
    exceptFlags_ = std::move(*edited);
    collectionsChanged();
}

// Both dialogs list what the catalogue holds: made once it has loaded.
void MainWindow::createDialogs() {
    fixForm_ = new FixForm(catalogue_, this);
    exceptForm_ = new ExceptForm(catalogue_, this);
}

void MainWindow::ResultSaveButtonClick() {
    if (startupError_) return;
    vk::ResultSaveButtonClick(
        {catalogue_, searchController_->condition(), searchController_->resultView().unnumbered(), exceptFlags_},
        savePathChooser_, messages_);
}

// The pages' controllers work on the window's collections and open its
// fixed-equipment dialog.
void MainWindow::createCollectionTabs() {
    mysetTab_ = new MysetTab(*mysetPage_, catalogue_, mysets_, possessions_, fixForm_, startupError_, messages_, this);
    possessionTab_ = new PossessionTab(*possessionPage_, catalogue_, possessions_, fixForm_, startupError_,
                                       [this](const Myset& set) { mysetTab_->registerMyset(set); }, messages_, this);
    autosave_ = new QTimer(this);
    autosave_->setSingleShot(true);
    autosave_->setInterval(kAutosaveMs);
    connect(autosave_, &QTimer::timeout, this, [this] { writeCollections(true); });
    connect(mysetTab_, &MysetTab::changed, this, &MainWindow::collectionsChanged);
    connect(possessionTab_, &PossessionTab::changed, this, &MainWindow::collectionsChanged);
}

void MainWindow::MysetButtonClick() {
    const std::optional<Result> hit = searchController_->selectedHit();
    if (!hit) return;
    const SearchCondition& search = searchController_->condition();
    mysetTab_->registerMyset(mysetFromHit(*hit, search.sex, search.type, search.weaponSlots));
}

void MainWindow::ResultMysetButtonClick() {
    const std::optional<Result> hit = resultFileController_->selectedHit();
    if (!hit || !resultFileController_->loaded()) return;
    const SearchCondition& saved = resultFileController_->loaded()->condition;
    mysetTab_->registerMyset(mysetFromHit(*hit, saved.sex, saved.type, saved.weaponSlots));
}

// config.csv beside the data files; what it holds adds to the (empty)
// collections. True when it was read to its end. A file that is there but
// could not be read, or not to its end, is reported once, here.
bool MainWindow::readCollections() {
    Collections read = Collections::emptyFor(catalogue_);
    const CollectionsReading reading = readCollectionsFile(kCollectionsFileName, catalogue_, read);
    exceptFlags_ = std::move(read.exclusions);
    mysets_ = std::move(read.mysets);
    possessions_ = std::move(read.possessions);
    collectionsKeeper_ = CollectionsKeeper(kCollectionsFileName, reading);
    const QString error = QStringLiteral("エラー");
    if (collectionsKeeper_.leavesFileAlone())
        messages_.inform(error, QStringLiteral("config.csv を読み込めませんでした。\n"
                                               "このファイルは終了するまで変更も削除もしません。"
                                               "所持品、マイセット、除外設定の変更は config.csv に保存されません。"));
    else if (reading.opened && !reading.complete)
        messages_.inform(error, QStringLiteral("config.csv は %1 行目から後を読み込めませんでした。\n"
                                               "最初に保存する前に、元のファイルを "
                                               "config.csv.年月日-時分秒.bak として残します。")
                                    .arg(reading.stoppedAtLine));
    return reading.complete;
}

void MainWindow::writeCollections(bool autosave) {
    autosave_->stop();  // this save takes every change so far
    const Collections collections{exceptFlags_, mysets_, possessions_};
    QString failure;
    switch (collectionsKeeper_.save(catalogue_, collections, std::time(nullptr))) {
    case CollectionsSave::kFailed: failure = QStringLiteral("ファイルが作成できませんでした"); break;
    case CollectionsSave::kBackupFailed:
        failure = QStringLiteral("config.csv の控え（.bak）が作成できなかったため、config.csv を保存しませんでした。");
        break;
    default: saveFailureShown_ = false; return;
    }
    if (autosave && saveFailureShown_) return;
    saveFailureShown_ = true;
    messages_.inform(QStringLiteral("エラー"), failure);
}

void MainWindow::collectionsChanged() {
    if (!autosaveOn_ || startupError_ || collectionsKeeper_.leavesFileAlone() || autosave_->isActive()) return;
    autosave_->start();
}

void MainWindow::rebuildPossessionLists() { possessionTab_->rebuildLists(); }
void MainWindow::fillMysetList() { mysetTab_->rebuildList(); }

void MainWindow::createSearchWorker() { searchController_->createWorker(); }

// TResultForm, once for the whole run.
void MainWindow::createResultForm() {
    resultForm_ = new ResultForm(catalogue_, possessions_, messages_, settingsFilePath(),
                                 !startupError_ && !settingsUnreadable_, this);
    // The window asked already.
    resultForm_->setMysetRegistration(
        [this](const HitNarrowing& narrowing) { mysetTab_->appendMyset(mysetFromNarrowing(catalogue_, narrowing)); });
    connect(searchPage_->ResultButton, &QPushButton::clicked, this, &MainWindow::ResultButtonClick);
    connect(resultFileController_, &ResultFileController::detailRequested, this, &MainWindow::ResultDescButtonClick);
}

// The additional-skill dialog, once for the whole run. Its button is
// enabled exactly when "検索" is, and never after a start-up error.
void MainWindow::createAddableForm() {
    addableForm_ = new AddableForm(catalogue_, settingsFilePath(), !startupError_ && !settingsUnreadable_, this);
    QPushButton* button = searchPage_->AddableButton;
    button->setEnabled(!startupError_ && searchPage_->SearchButton->isEnabled());
    searchPage_->SearchButton->installEventFilter(new FollowEnabled(button, !startupError_, button));
    connect(button, &QPushButton::clicked, this, &MainWindow::AddableButtonClick);
    connect(addableForm_, &AddableForm::skillChosen, this, &MainWindow::putChosenSkill);
}

// A skill chosen in "追加スキル" goes into the first empty box or the box of
// its system it upgrades, as the boxes are now.
void MainWindow::putChosenSkill(int skillEq) {
    std::array<int, 5> indices{};
    for (int b = 0; b < 5; ++b) indices[b] = searchPage_->conditions.skill[b]->currentIndex();
    const SkillBoxes boxes = skillBoxValues(catalogue_, indices);
    if (const std::optional<AddableCandidate> place = candidateFor(catalogue_, boxes, skillEq))
        searchPage_->conditions.skill[place->box]->setCurrentIndex(skillEq);
    else if (std::find(boxes.begin(), boxes.end(), skillEq) == boxes.end())
        messages_.inform(QStringLiteral("追加スキル"), QStringLiteral("このスキルを入れられるスキル欄がありません。"));
}

void MainWindow::ResultButtonClick() {
    resultForm_->openFrom(ResultForm::kSearchTab, searchController_->DetailSource, searchController_->condition(),
                          searchController_->resultView());
}

void MainWindow::ResultDescButtonClick() {
    const std::optional<LoadedResultFile>& loaded = resultFileController_->loaded();
    if (!loaded) return;
    resultForm_->openFrom(ResultForm::kResultFileTab, searchController_->DetailSource, loaded->condition,
                          resultFileController_->hits());
}

void MainWindow::SaveButtonClick() { saveSettingsAndCollections(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // A search under way or paused ends with the window, and so does the
    // dialog "追加スキル" with its decision.
    searchController_->finishWorker();
    if (addableForm_->isVisible()) addableForm_->reject();
    addableForm_->stop();
    saveSettingsAndCollections();
    event->accept();
}

void MainWindow::saveSettingsAndCollections() {
    if (startupError_) return;
    WaitCursor wait;
    writeSettings();
    writeCollections();
}

void MainWindow::refreshResultFiles() { resultFileController_->refresh(); }

}  // namespace vk
