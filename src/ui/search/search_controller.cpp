#include "ui/search/search_controller.h"

#include <ctime>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/search/engine/memory_budget.h"
#include "ui/search/hit_detail.h"
#include "ui/search/result_list_model.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_page.h"
#include "ui/search/search_thread.h"
#include "ui/widgets/qt_text.h"

namespace vk {

namespace {

const QString kSuspend = QStringLiteral("検索中断");
const QString kResume = QStringLiteral("検索再開");

QString countText(std::size_t hits) { return QStringLiteral("%1件").arg(static_cast<qulonglong>(hits)); }

QString progressText(std::uint64_t tested, std::uint64_t total) {
    return QStringLiteral("(%1/%2)").arg(static_cast<qulonglong>(tested)).arg(static_cast<qulonglong>(total));
}

}  // namespace

SearchController::SearchController(SearchPage& page, const Catalogue& catalogue, const PossessionLists& possessions,
                                   QObject* parent)
    : QObject(parent),
      page_(page),
      catalogue_(catalogue),
      possessions_(possessions),
      clock_([] { return static_cast<WallSeconds>(std::time(nullptr)); }),
      listModel_(new ResultListModel(results_, page.ResultLV)),
      pageMessages_(&page) {
    replaceListModel(*page.ResultLV, listModel_);
    page.ResultLV->setFinder([this](std::string_view typed) { return results_.findRow(typed); });
    page.ResultLV->header()->setSectionsClickable(true);
    detail_ = std::make_unique<HitDetail>(catalogue, possessions, *page.EquipLV, *page.SkillLV, *page.SkillMemo,
                                          [this] { return selectedHit(); });

    connect(page.StopButton, &QPushButton::clicked, this, &SearchController::StopButtonClick);
    connect(page.SuspendButton, &QPushButton::clicked, this, &SearchController::SuspendButtonClick);
    connect(page.CopyButton, &QPushButton::clicked, this, &SearchController::CopyButtonClick);
    connect(page.ResultLV->header(), &QHeaderView::sectionClicked, this, &SearchController::ResultLVColumnClick);
    connect(page.ResultLV->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SearchController::ResultLVSelectItem);
}

SearchController::~SearchController() { finishWorker(); }

void SearchController::createWorker() {
    if (worker_) return;
    worker_ = std::make_unique<SearchThread>(
        catalogue_, SearchSteps{[this](const SearchProgress& p) { ProgressStep(p); }, [this] { EndStep1(); },
                                [this] { EndStep2(); }});
}

void SearchController::finishWorker() {
    if (worker_) worker_->finish();
}

bool SearchController::searching() const { return worker_ && worker_->control().Running; }

void SearchController::startSearch(const GatheredCondition& condition, SearchSnapshot snapshot) {
    if (!worker_) return;
    for (QPushButton* b : {page_.SearchButton, page_.ResultButton, page_.CopyButton, page_.MysetButton,
                           page_.ResultSaveButton})
        b->setEnabled(false);
    timer_.start(clock_());  // PausedSeconds = 0
    // The count stays the last search's until the first progress step.
    const std::size_t lastCount = results_.count();
    results_.clear();  // SortColumn = 0, ascending
    listModel_->setRowCount(0);
    detail_->clear();
    page_.CountLabel->setText(countText(lastCount));
    page_.SortLabel->clear();

    condition_ = condition.window;
    condition_.Interrupted = false;
    worker_->start(condition.engine, std::move(snapshot));
    page_.StopButton->setEnabled(true);
    page_.SuspendButton->setEnabled(true);
}

void SearchController::StopButtonClick() {
    if (!worker_) return;
    page_.StopButton->setEnabled(false);
    page_.SuspendButton->setEnabled(false);
    condition_.Interrupted = true;
    worker_->control().Running = false;
}

void SearchController::SuspendButtonClick() {
    if (!worker_) return;
    SearchControl& control = worker_->control();
    if (!control.Suspended) {
        control.Suspended = true;
        page_.SuspendButton->setText(kResume);
        timer_.pause(clock_());
    } else {
        control.Suspended = false;
        page_.SuspendButton->setText(kSuspend);
        timer_.resume(clock_());
    }
}

QString SearchController::durationText(WallSeconds seconds) const { return fromSjis(formatDuration(seconds)); }

void SearchController::ProgressStep(const SearchProgress& p) {
    const WallSeconds now = clock_();
    page_.progressBar->setValue(static_cast<int>(p.Progress));
    page_.CountLabel->setText(countText(p.hits));
    page_.ProgressLabel->setText(progressText(p.Tested, p.Total));
    page_.SearchTimeLabel->setText(durationText(timer_.elapsed(now)));
    page_.ETALabel->setText(durationText(timer_.remaining(p.Progress, now)));
}

void SearchController::EndStep1() {
    const SearchEngine& engine = worker_->engine();
    page_.SortLabel->setText(QStringLiteral("ソート処理をしています。"));
    page_.CountLabel->setText(countText(engine.store().size()));
    page_.ProgressLabel->setText(progressText(engine.tested(), engine.total()));
}

void SearchController::EndStep2() {
    // A search the memory budget ended is kept and saved as a stopped one.
    const bool budgetReached = worker_->engine().memoryBudgetReached();
    if (budgetReached) condition_.Interrupted = true;
    page_.StopButton->setEnabled(false);
    page_.SuspendButton->setEnabled(false);
    page_.SuspendButton->setText(kSuspend);
    // The hits move into the view: the engine starts its next search empty.
    BuildResultView(results_, worker_->takeHits(), catalogue_, possessions_);
    page_.SortLabel->clear();
    page_.progressBar->setValue(0);
    page_.SearchTimeLabel->setText(durationText(timer_.elapsed(clock_())));
    page_.ETALabel->setText(QStringLiteral("秒"));
    listModel_->setRowCount(static_cast<int>(results_.count()));
    page_.SearchButton->setEnabled(true);
    page_.ResultButton->setEnabled(true);
    page_.ResultSaveButton->setEnabled(true);
    DetailSource = 0;
    Q_EMIT searchEnded();
    // Once the worker is released and the hits are listed, not from within the step.
    if (budgetReached) QTimer::singleShot(0, this, [this] { tellBudgetReached(); });
}

void SearchController::tellBudgetReached() {
    const std::size_t megabytes = worker_ ? worker_->control().MemoryBudget / kBytesPerMegabyte : 0;
    messages_->inform(QStringLiteral("エラー"),
                      QStringLiteral("検索結果のメモリが上限 (%1 MB) に達したため、検索を中止しました。"
                                     "それまでに見つかった検索結果を表示します。")
                          .arg(static_cast<qulonglong>(megabytes)));
}

std::optional<Result> SearchController::selectedHit() const {
    const QModelIndexList rows = page_.ResultLV->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    const QString caption = listModel_->data(listModel_->index(rows.first().row(), 0), Qt::DisplayRole).toString();
    return results_.hitByCaption(caption.toStdString());
}

void SearchController::ResultLVColumnClick(int column) {
    sortHitList(results_, column, *listModel_, *page_.ResultLV);
    ResultLVSelectItem();
}

void SearchController::ResultLVSelectItem() {
    const std::optional<Result> hit = selectedHit();
    if (!hit) return;
    page_.CopyButton->setEnabled(true);
    page_.MysetButton->setEnabled(true);
    detail_->show(*hit, condition_);
}

void SearchController::CopyButtonClick() {
    const std::optional<Result> hit = selectedHit();
    if (!hit) return;
    QGuiApplication::clipboard()->setText(fromSjis(detail_->report(*hit, condition_)));
}

}  // namespace vk
