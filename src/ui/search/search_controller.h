#pragma once
// The search page at work: starting, stopping and pausing a search, the
// progress display, the hand-over of the hits into ResultLV, the list's
// column clicks, and the detail of the selected hit with its text report.
// The main window owns it together with the state it works on.

#include <functional>
#include <memory>
#include <optional>

#include <QObject>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/condition.h"
#include "core/search/condition/condition_gather.h"
#include "core/search/condition/possession.h"
#include "core/search/engine/engine.h"
#include "core/search/hits/result_view.h"
#include "core/search/progress/search_timing.h"
#include "ui/widgets/user_messages.h"

namespace vk {

class HitDetail;
class ResultListModel;
class SearchPage;
class SearchThread;

class SearchController : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<WallSeconds()>;

    SearchController(SearchPage& page, const Catalogue& catalogue, const PossessionLists& possessions,
                     QObject* parent = nullptr);
    ~SearchController() override;

    // The worker, once per run (after the data files loaded).
    void createWorker();
    // Ends a search under way and the worker (the window closes). No hang.
    void finishWorker();
    SearchThread* worker() const { return worker_.get(); }

    // StartSearch: the last step of "検索", with the gathered conditions.
    void startSearch(const GatheredCondition& condition, SearchSnapshot snapshot);
    void StopButtonClick();
    void SuspendButtonClick();
    void ResultLVColumnClick(int column);
    // The detail of the selected row; nothing when no row is selected.
    void ResultLVSelectItem();
    void CopyButtonClick();

    // The hit of ResultLV's selected row, located by its caption; null when
    // no row is selected.
    std::optional<Result> selectedHit() const;

    const ResultView& resultView() const { return results_; }
    // The conditions of the last search, wanted skills in box order.
    const SearchCondition& condition() const { return condition_; }
    const SearchTimer& timer() const { return timer_; }
    bool searching() const;
    int DetailSource = 0;

    // The wall clock, whole seconds (tests may set their own).
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Where the controller's message boxes go; until set, real boxes over the page.
    void setMessages(UserMessages& messages) { messages_ = &messages; }

Q_SIGNALS:
    // EndStep2 has run: the hits are listed.
    void searchEnded();

private:
    void ProgressStep(const SearchProgress& progress);
    void EndStep1();
    void EndStep2();
    QString durationText(WallSeconds seconds) const;
    // Says that the memory budget ended the last search (after its end steps).
    void tellBudgetReached();

    SearchPage& page_;
    const Catalogue& catalogue_;
    const PossessionLists& possessions_;
    ResultView results_;
    SearchCondition condition_;
    SearchTimer timer_;
    Clock clock_;
    ResultListModel* listModel_;
    std::unique_ptr<HitDetail> detail_;
    std::unique_ptr<SearchThread> worker_;
    MessageBoxes pageMessages_;
    UserMessages* messages_ = &pageMessages_;
};

}  // namespace vk
