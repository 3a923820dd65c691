#pragma once
// The main window TForm1: builds its four pages, loads the catalogue from the
// current directory, fills the skill boxes and keeps itself on the screen's
// work area. It owns the catalogue and the start-up error flag for the whole
// run; the subsystems reach the pages' controls through the page accessors.

#include <optional>

#include <QMainWindow>

#include "core/catalogue/catalogue.h"
#include "core/collections/collections_keeper.h"
#include "core/collections/myset.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/condition/except_flags.h"
#include "core/search/condition/fix_equip.h"
#include "core/search/condition/possession.h"
#include "core/search/engine/engine.h"
#include "ui/results/result_save.h"

class QTabWidget;
class QTimer;

namespace vk {

class AddableForm;
class ExceptForm;
class IniFile;
class FixForm;
class MysetPage;
class MysetTab;
class PossessionPage;
class ResultExceptForm;
class ResultFileController;
class PossessionTab;
class ResultForm;
class ResultFilePage;
class SearchController;
class SearchPage;
class UserMessages;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Every message box of the window goes through `messages`, which must
    // outlive the window.
    explicit MainWindow(UserMessages& messages, QWidget* parent = nullptr);
    ~MainWindow() override;

    static constexpr int kDesignWidth = 1012;
    static constexpr int kDesignHeight = 623;

    // Raised when a data file could not be opened: searching and saving are
    // refused for the whole run.
    bool startupError() const { return startupError_; }
    const Catalogue& catalogue() const { return catalogue_; }
    UserMessages& messages() const { return messages_; }

    QTabWidget* pageTabs() const { return pageTabs_; }
    SearchPage* searchPage() const { return searchPage_; }
    PossessionPage* possessionPage() const { return possessionPage_; }
    MysetPage* mysetPage() const { return mysetPage_; }
    ResultFilePage* resultFilePage() const { return resultFilePage_; }
    // Searching, the hit list and the detail of the selected hit.
    SearchController* searchController() const { return searchController_; }
    // The result-file tab: the saved searches and the one read.
    ResultFileController* resultFiles() const { return resultFileController_; }
    ResultExceptForm* resultExceptForm() const { return resultExceptForm_; }
    const FixEquip& fixEquip() const { return fixEquip_; }
    const PossessionLists& possessions() const { return possessions_; }
    const MysetList& mysets() const { return mysets_; }
    // The possessions page and the my-set page at work.
    PossessionTab* possessionTab() const { return possessionTab_; }
    MysetTab* mysetTab() const { return mysetTab_; }
    // The exclusions of every search, sized to the catalogue; edited by the
    // exclusion dialog (and read from config.csv at start-up).
    const ExceptFlags& exceptFlags() const { return exceptFlags_; }
    ExceptFlags& exceptFlags() { return exceptFlags_; }

    // The fixed-equipment dialog TFixForm and the exclusion dialog
    // TExceptForm, made once with the window and reused by every caller.
    FixForm* fixForm() const { return fixForm_; }
    ExceptForm* exceptForm() const { return exceptForm_; }

    // The collections as a search takes them when it starts: the owned pieces
    // and the exclusion flags, copied so that edits during the search cannot
    // race with it.
    SearchSnapshot searchSnapshot() const;

    // "検索".
    void SearchButtonClick();
    // "追加スキル検索": the same checks as "検索", then the dialog "追加スキル".
    void AddableButtonClick();
    AddableForm* addableForm() const { return addableForm_; }
    // "…" beside a fixed piece (part in PartIndex numbering).
    void FixedButtonClick(int part);
    // "除外設定".
    void ExceptButtonClick();
    // "結果保存": the last search's hits into a file of RESULT.
    void ResultSaveButtonClick();
    // Where "結果保存" asks for the file (tests answer without a dialog).
    void setSavePathChooser(SavePathChooser chooser) { savePathChooser_ = std::move(chooser); }
    // "結果詳細": the result detail window over the search's hits.
    void ResultButtonClick();
    // "結果詳細" of the result-file tab: the same window over the file read.
    void ResultDescButtonClick();
    ResultForm* resultForm() const { return resultForm_; }
    // "保存" on the possessions page; closing the window saves the same way.
    void SaveButtonClick();
    // "マイセット" on the search page: the selected hit as a my set.
    void MysetButtonClick();
    // "マイセット" on the result-file page: the selected hit of the file read.
    void ResultMysetButtonClick();

    // Longest wait between a change to the collections and its save.
    static constexpr int kAutosaveMs = 1500;
    // Off: changes are saved only by "保存" and at close (a tool that fills
    // the lists for show).
    void setAutosave(bool on) { autosaveOn_ = on; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void connectControls();
    void loadCatalogue();
    void fillSkillBoxes();
    void createDialogs();
    void createCollectionTabs();
    // The piece box and decoration box of a fixed part, from FixEquip.
    void showFixedPiece(int part);
    void saveSettingsAndCollections();

    // Start-up steps taken only when every data file opened: the
    // collections, the settings, the result files and the search worker.
    bool readCollections();  // true when config.csv was read to its end
    void readSettings(bool takeOlderCollectionKeys);
    void readOlderCollections(const IniFile& ini);
    void showFixedDecorations();
    void rebuildPossessionLists();
    void fillMysetList();
    void refreshResultFiles();
    void createSearchWorker();
    void createResultForm();
    void createAddableForm();
    void putChosenSkill(int skillEq);
    // The condition "検索" would search with, after its checks; nothing (the
    // user told why) when they refuse it.
    std::optional<GatheredCondition> checkedCondition();
    void connectConditionEnabling();
    // Saving steps. An autosave's failure is shown once until a save
    // succeeds again; a save the user asked for always says it failed.
    void writeSettings();
    void writeCollections(bool autosave = false);
    // A change to the exclusions, my sets or owned pieces: saved within
    // kAutosaveMs, the way "保存" saves them.
    void collectionsChanged();

    UserMessages& messages_;
    bool startupError_ = false;
    // The settings file was there but could not be read: it is never written.
    bool settingsUnreadable_ = false;
    Catalogue catalogue_;
    // Zero until the fixed-equipment dialog fills it.
    FixEquip fixEquip_;
    PossessionLists possessions_;
    MysetList mysets_;
    ExceptFlags exceptFlags_;
    // What config.csv's reading found decides what its saves may do.
    CollectionsKeeper collectionsKeeper_;
    QTimer* autosave_ = nullptr;
    bool saveFailureShown_ = false;
    bool autosaveOn_ = true;
    SearchController* searchController_ = nullptr;
    FixForm* fixForm_ = nullptr;
    ExceptForm* exceptForm_ = nullptr;
    ResultFileController* resultFileController_ = nullptr;
    ResultExceptForm* resultExceptForm_ = nullptr;  // "除外設定確認"
    SavePathChooser savePathChooser_;
    PossessionTab* possessionTab_ = nullptr;
    MysetTab* mysetTab_ = nullptr;
    ResultForm* resultForm_ = nullptr;
    AddableForm* addableForm_ = nullptr;

    QTabWidget* pageTabs_ = nullptr;
    SearchPage* searchPage_ = nullptr;
    PossessionPage* possessionPage_ = nullptr;
    MysetPage* mysetPage_ = nullptr;
    ResultFilePage* resultFilePage_ = nullptr;
};

}  // namespace vk
