#pragma once
// The dialog "追加スキル": which further skills the search page's condition
// could still ask for and get hits. It decides them on a thread of its own
// while the window goes on, and fills its list in table order as they are
// found; closing it stops that at once. A chosen skill is handed to the
// search page's skill boxes (skillChosen) and the dialog stays open.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <thread>

#include <QDialog>
#include <QElapsedTimer>

#include "core/search/addable/addable_search.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace vk {

class AddableForm : public QDialog {
    Q_OBJECT
public:
    // `settingsFile` keeps the dialog's place in its "Addable" section, read
    // now and written at every close unless `saveSettings` is false.
    AddableForm(const Catalogue& catalogue, std::filesystem::path settingsFile, bool saveSettings,
                QWidget* parent = nullptr);
    ~AddableForm() override;  // stop()

    // Shows the dialog and decides the candidates of `engineCondition` (wanted
    // sorted), whose skill boxes hold `boxes`; a decision under way is stopped first.
    void start(const SearchCondition& engineCondition, const SkillBoxes& boxes, SearchSnapshot snapshot);
    // Stops a decision under way and waits for its thread (a stop is noticed
    // within a fraction of a second).
    void stop();
    bool running() const { return worker_.joinable() && !finished_; }
    // The candidates listed, in list order.
    const std::vector<AddableCandidate>& listed() const { return listed_; }

    QLabel* WantedLabel = nullptr;
    QProgressBar* AddableProgressBar = nullptr;
    QLabel* AddableTimeLabel = nullptr;
    QPushButton* AddableStopButton = nullptr;
    QTreeWidget* AddableLV = nullptr;
    QLabel* NothingLabel = nullptr;
    QPushButton* AddableAddButton = nullptr;

    // Closing (title bar, Escape, or the main window closing): stops the
    // decision and keeps the dialog's place.
    void reject() override;

Q_SIGNALS:
    // The user chose activation `skillEq`: the main window puts it into the
    // skill boxes as they are now (earlier choices may have filled them).
    void skillChosen(int skillEq);

private:
    void showState(const AddableState& state, bool finished);
    void showElapsed();
    void chooseCurrent();
    void writePlacement();

    const Catalogue& catalogue_;
    std::filesystem::path settingsFile_;
    bool saveSettings_;
    std::vector<AddableCandidate> listed_;
    SearchControl control_;
    std::jthread worker_;
    std::uint64_t generation_ = 0;  // reports of an earlier decision are dropped
    bool finished_ = true;
    QElapsedTimer elapsed_;
    QTimer* tick_ = nullptr;
};

}  // namespace vk
