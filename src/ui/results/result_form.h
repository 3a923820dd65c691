#pragma once
// TResultForm, "結果詳細": narrows a list of hits down to one set, part by
// part. Six lists (five armour parts and the weapon slots) show the distinct
// pieces-with-decorations of the hits; a selection keeps the hits that use
// it and paints green, in the lists without a selection, what those hits
// still use. Beside the lists the selected set's pieces, skill points and
// activated skills. Created once; lists and selections survive closing and
// reopening until the next Fill. The work lives in HitNarrowing (core).

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include <QDialog>

#include "core/catalogue/catalogue.h"
#include "core/results/hit_narrowing.h"
#include "core/results/skill_summary.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result_view.h"
#include "core/settings/window_settings.h"

class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace vk {

class AlternativeListModel;
class AlternativeWidths;
class UserMessages;

class ResultForm : public QDialog {
    Q_OBJECT
public:
    // The tab a window's hits came from (the main window's DetailSource).
    enum Source { kNoSource = 0, kSearchTab = 1, kResultFileTab = 2 };

    // `settingsFile` holds its "Result" section, read now and written at
    // every close unless `saveSettings` is false (a start-up error).
    ResultForm(const Catalogue& catalogue, const PossessionLists& possessions, UserMessages& messages,
               std::filesystem::path settingsFile, bool saveSettings, QWidget* parent = nullptr);
    ~ResultForm() override;

    static constexpr int kDesignWidth = 1000;
    static constexpr int kDesignHeight = 680;

    // Opening from a tab: Fill (under the hourglass) when `detailSource`
    // is not `source`, then the window modally, then `detailSource` = source.
    void openFrom(Source source, int& detailSource, const SearchCondition& condition, const ResultView& hits);

    void Fill(const SearchCondition& condition, const ResultStore& hits);

    // Storing the selected set as a my set: the main window's part, called
    // after the user said Yes (null: the button only asks).
    using MysetRegistration = std::function<void(const HitNarrowing&)>;
    void setMysetRegistration(MysetRegistration registration) { registerMyset_ = std::move(registration); }

    const HitNarrowing& narrowing() const { return narrowing_; }
    // The selected set as the summary shows it and the report copies it.
    const ShownSet& shownSet() const { return shown_; }

    // Controls, by their names.
    std::array<QTreeView*, kDecoParts> ResultLV{};           // LegResultLV .. WstResultLV, WeponResultLV
    std::array<QPushButton*, kDecoParts> CancelButton{};     // LegCancelButton .. WeponCancelButton
    QPushButton* AllCancelButton = nullptr;
    QTreeView* EquipResultLV = nullptr;
    QTreeView* SkillResultLV = nullptr;
    QPlainTextEdit* ResultMemo = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* MysetButton = nullptr;
    QPushButton* ResultOKButton = nullptr;

    void CopyButtonClick();
    void MysetButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildLayout();
    QWidget* buildPartList(int part);
    QWidget* buildSummary();
    void readPlacement();
    void writePlacement();

    void ResultLVSelectItem(int part);
    void CancelButtonClick(int part);  // kDecoParts: all parts
    // The steps after a selection or a cancel.
    void selectionChanged();
    void fillLists();
    void fitColumns(int part);
    void showFirstGreenRows();
    void showSummary();
    void setCopyEnabled(bool enabled);

    const Catalogue& catalogue_;
    const PossessionLists& possessions_;
    UserMessages& messages_;
    std::filesystem::path settingsFile_;
    bool saveSettings_;
    HitNarrowing narrowing_;
    ShownSet shown_;
    SkillSummary summary_;
    std::array<AlternativeListModel*, kDecoParts> listModels_{};
    std::unique_ptr<AlternativeWidths> widths_;  // measured at the first fill
    bool columnsFitted_ = false;                 // to the rows of the last Fill
    QStandardItemModel* equipModel_ = nullptr;
    QStandardItemModel* skillModel_ = nullptr;
    MysetRegistration registerMyset_;
    bool updatingLists_ = false;
};

}  // namespace vk
