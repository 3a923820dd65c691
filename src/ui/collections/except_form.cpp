#include "ui/collections/except_form.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/cell_table_model.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

// A left-button press selects the row under the pointer, also on its check
// box, whose press the list itself keeps for the box alone.
class PressSelectsRow : public QObject {
public:
    explicit PressSelectsRow(QTreeView* view) : QObject(view), view_(view) { view->viewport()->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        const QModelIndex index = view_->indexAt(press->position().toPoint());
        if (press->button() == Qt::LeftButton && index.isValid())
            view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
        return false;
    }

private:
    QTreeView* view_;
};

}  // namespace

ExceptForm::ExceptForm(const Catalogue& catalogue, QWidget* parent) : QDialog(parent), list_(catalogue) {
    buildLayout();
    connectControls();
}

void ExceptForm::buildLayout() {
    setObjectName(QStringLiteral("TExceptForm"));
    setWindowTitle(QStringLiteral("除外設定"));
    setModal(true);

    ExceptLV = makeListView(this, QStringLiteral("ExceptLV"), {}, {});
    rows_ = new CellTableModel({QString(), QStringLiteral("名称"), QStringLiteral("レア"), QStringLiteral("スキル"),
                                QStringLiteral("部位"), QStringLiteral("ID")},
                               [this] { return static_cast<int>(list_.rows().size()); },
                               [this](int row, int column) { return list_.cell(row, column); }, this);
    rows_->setCheckColumn(
        kExceptCheck, [this](int row) { return list_.isChecked(row); },
        [this](int row, bool checked) { list_.setChecked(row, checked); });
    ExceptLV->setModel(rows_);
    showGridLines(ExceptLV);
    ExceptLV->header()->setSectionsClickable(true);
    ExceptLV->header()->setStretchLastSection(false);
    ExceptLV->setColumnWidth(kExceptCheck, 28);
    ExceptLV->setColumnWidth(kExceptName, 170);
    ExceptLV->setColumnWidth(kExceptRarity, 40);
    ExceptLV->header()->setSectionResizeMode(kExceptSkills, QHeaderView::Stretch);
    ExceptLV->setColumnWidth(kExceptPart, 40);
    ExceptLV->setColumnWidth(kExceptId, 48);
    new PressSelectsRow(ExceptLV);

    ExceptPartRG = new RadioGroup(QStringLiteral("ExceptPartRG"), QStringLiteral("部位"),
                                  {QStringLiteral("全部位"), QStringLiteral("頭"), QStringLiteral("胴"),
                                   QStringLiteral("腕"), QStringLiteral("腰"), QStringLiteral("脚"),
                                   QStringLiteral("装飾品")},
                                  kExceptAllParts, this);

    auto* bulk = new QGroupBox(QStringLiteral("一括指定"), this);
    ExceptRareCB = makeComboBox(bulk, QStringLiteral("ExceptRareCB"),
                                {QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"), QStringLiteral("４"),
                                 QStringLiteral("５"), QStringLiteral("６"), QStringLiteral("７"), QStringLiteral("８")});
    ExceptOnButton = makeButton(bulk, QStringLiteral("ExceptOnButton"), QStringLiteral("ON"));
    ExceptOffButton = makeButton(bulk, QStringLiteral("ExceptOffButton"), QStringLiteral("OFF"));
    auto* bulkRow = new QHBoxLayout(bulk);
    bulkRow->addWidget(makeLabel(bulk, QString(), QStringLiteral("レア")));
    bulkRow->addWidget(ExceptRareCB);
    bulkRow->addWidget(ExceptOnButton);
    bulkRow->addWidget(ExceptOffButton);

    okButton = makeButton(this, QStringLiteral("Button1"), QStringLiteral("OK"));
    cancelButton = makeButton(this, QStringLiteral("Button2"), QStringLiteral("Cancel"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(ExceptPartRG, 1);
    controls->addWidget(bulk);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* whole = new QVBoxLayout(this);
    whole->addWidget(ExceptLV, 1);
    whole->addLayout(controls);
    whole->addLayout(buttons);
    resize(680, 520);
}

void ExceptForm::connectControls() {
    connect(ExceptPartRG, &RadioGroup::itemClicked, this, [this] { fillList(); });
    connect(ExceptOnButton, &QPushButton::clicked, this, [this] { setRarity(true); });
    connect(ExceptOffButton, &QPushButton::clicked, this, [this] { setRarity(false); });
    connect(ExceptLV->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        list_.sortBy(column);
        rows_->reload();
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ExceptForm::prepare(const ExceptFlags& flags) {
    list_.open(flags);
    fillList();
}

std::optional<ExceptFlags> ExceptForm::showModal(const ExceptFlags& flags) {
    prepare(flags);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return list_.working();
}

void ExceptForm::fillList() {
    list_.fill(ExceptPartRG->itemIndex() < 0 ? kExceptAllParts : ExceptPartRG->itemIndex());
    rows_->reload();
    ExceptLV->scrollToTop();  // another part's rows start at their first
}

void ExceptForm::setRarity(bool checked) {
    list_.setRarity(ExceptRareCB->currentIndex(), checked);
    rows_->refresh();
}

}  // namespace vk
