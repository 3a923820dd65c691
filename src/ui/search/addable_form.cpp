#include "ui/search/addable_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/search/skill_combo.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace vk {

namespace {

constexpr const char* kSettingsSection = "Addable";

// The activation column, drawn as the skill boxes draw a positive skill.
class ActivationDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        drawSkillItem(*painter, option.rect, 1, kGreaterEqual, index.data(Qt::DisplayRole).toString(),
                      option.state.testFlag(QStyle::State_Selected), option.palette);
    }
};

}  // namespace

AddableForm::AddableForm(const Catalogue& catalogue, std::filesystem::path settingsFile, bool saveSettings,
                         QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), settingsFile_(std::move(settingsFile)), saveSettings_(saveSettings) {
    setObjectName(QStringLiteral("AddableForm"));
    setWindowTitle(QStringLiteral("追加スキル"));
    resize(360, 460);
    auto* layout = new QVBoxLayout(this);
    WantedLabel = makeLabel(this, QStringLiteral("WantedLabel"), QString());
    WantedLabel->setWordWrap(true);
    layout->addWidget(WantedLabel);

    AddableProgressBar = new QProgressBar(this);
    AddableProgressBar->setObjectName(QStringLiteral("AddableProgressBar"));
    AddableTimeLabel = makeLabel(this, QStringLiteral("AddableTimeLabel"), QStringLiteral("秒"));
    AddableStopButton = makeButton(this, QStringLiteral("AddableStopButton"), QStringLiteral("中止"), false);
    auto* progress = new QHBoxLayout;
    progress->addWidget(AddableProgressBar, 1);
    progress->addWidget(AddableTimeLabel);
    progress->addWidget(AddableStopButton);
    layout->addLayout(progress);

    AddableLV = new QTreeWidget(this);
    AddableLV->setObjectName(QStringLiteral("AddableLV"));
    AddableLV->setHeaderLabels({QStringLiteral("系統"), QStringLiteral("スキル")});
    AddableLV->setRootIsDecorated(false);
    AddableLV->setItemDelegateForColumn(1, new ActivationDelegate(AddableLV));
    AddableLV->header()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(AddableLV, 1);
    NothingLabel = makeLabel(this, QStringLiteral("NothingLabel"), QStringLiteral("追加できるスキルはありません。"));
    NothingLabel->setAlignment(Qt::AlignCenter);
    NothingLabel->hide();
    layout->addWidget(NothingLabel, 1);

    AddableAddButton = makeButton(this, QStringLiteral("AddableAddButton"), QStringLiteral("追加"), false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(AddableAddButton);
    layout->addLayout(buttons);

    tick_ = new QTimer(this);
    tick_->setInterval(100);
    connect(tick_, &QTimer::timeout, this, &AddableForm::showElapsed);
    connect(AddableStopButton, &QPushButton::clicked, this, &AddableForm::stop);
    connect(AddableAddButton, &QPushButton::clicked, this, &AddableForm::chooseCurrent);
    connect(AddableLV, &QTreeWidget::itemDoubleClicked, this, &AddableForm::chooseCurrent);
    connect(AddableLV, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { AddableAddButton->setEnabled(item != nullptr); });

    if (!readWindowPlacement(this, settingsFile_, kSettingsSection)) saveSettings_ = false;
}

AddableForm::~AddableForm() { stop(); }

void AddableForm::start(const SearchCondition& engineCondition, const SkillBoxes& boxes, SearchSnapshot snapshot) {
    stop();
    QStringList wanted;
    for (int row : boxes)
        if (row > 0) wanted << fromSjis(catalogue_.skillEqs[row].name);
    WantedLabel->setText(QStringLiteral("検索条件のスキル：") + wanted.join(QStringLiteral("、")));
    listed_.clear();
    AddableLV->clear();
    AddableLV->show();
    NothingLabel->hide();
    AddableProgressBar->setRange(0, 1);
    AddableProgressBar->setValue(0);
    AddableStopButton->setEnabled(true);
    elapsed_.start();
    tick_->start();
    finished_ = false;
    const std::uint64_t generation = ++generation_;
    control_.Running = true;
    // Reports are posted to the dialog: a report after the dialog is gone is dropped with it.
    auto report = [this, generation](const AddableState& state, bool finished) {
        QMetaObject::invokeMethod(
            this, [this, generation, state, finished] {
                if (generation == generation_) showState(state, finished);
            },
            Qt::QueuedConnection);
    };
    worker_ = std::jthread([this, report, engineCondition, boxes, snapshot = std::move(snapshot)] {
        AddableState state;
        try {
            state = decideAddable(catalogue_, 0, AddableRequest{engineCondition, boxes, snapshot}, control_,
                                  [&report](const AddableState& s) { report(s, false); });
        } catch (const std::exception&) {
            state.stopped = true;  // a condition the catalogue cannot serve: nothing decided
        }
        report(state, true);
    });
    QDialog::show();
    raise();
    activateWindow();
}

void AddableForm::stop() {
    control_.Running = false;
    if (worker_.joinable()) worker_.join();
    if (!finished_) {
        finished_ = true;
        tick_->stop();
        showElapsed();
        AddableStopButton->setEnabled(false);
    }
}

void AddableForm::showState(const AddableState& state, bool finished) {
    AddableProgressBar->setRange(0, std::max<int>(1, static_cast<int>(state.candidates.size())));
    AddableProgressBar->setValue(static_cast<int>(state.decided));
    std::vector<AddableCandidate> addable;
    for (std::size_t i = 0; i < state.candidates.size(); ++i)
        if (state.verdicts[i] == Verdict::Addable) addable.push_back(state.candidates[i]);
    if (addable.size() != listed_.size()) {
        // Found in any order, listed in table order: rows go in at their place.
        std::size_t at = 0;
        for (const AddableCandidate& c : addable) {
            if (at < listed_.size() && listed_[at].skillEq == c.skillEq) {
                ++at;
                continue;
            }
            const SkillEq& eq = catalogue_.skillEqs[c.skillEq];
            auto* item = new QTreeWidgetItem(
                {fromSjis(catalogue_.skillTypes[eq.system]), fromSjis(eq.name)});
            AddableLV->insertTopLevelItem(static_cast<int>(at), item);
            listed_.insert(listed_.begin() + static_cast<std::ptrdiff_t>(at), c);
            ++at;
        }
    }
    if (!finished) return;
    finished_ = true;
    tick_->stop();
    showElapsed();
    AddableStopButton->setEnabled(false);
    if (listed_.empty()) {
        NothingLabel->setText(state.stopped ? QStringLiteral("中止しました。追加できるスキルは見つかっていません。")
                                            : QStringLiteral("追加できるスキルはありません。"));
        AddableLV->hide();
        NothingLabel->show();
    }
}

void AddableForm::showElapsed() {
    AddableTimeLabel->setText(QString::number(elapsed_.elapsed() / 1000.0, 'f', 1) + QStringLiteral("秒"));
}

void AddableForm::chooseCurrent() {
    const int row = AddableLV->indexOfTopLevelItem(AddableLV->currentItem());
    if (row < 0 || row >= static_cast<int>(listed_.size())) return;
    Q_EMIT skillChosen(listed_[row].skillEq);
}

void AddableForm::reject() {
    stop();
    if (isVisible()) writePlacement();
    QDialog::reject();
}

void AddableForm::writePlacement() {
    if (saveSettings_) writeWindowPlacement(this, settingsFile_, kSettingsSection);
}

}  // namespace vk
