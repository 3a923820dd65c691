#include "ui/results/result_except_form.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/collections/result_except_list.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk {

ResultExceptForm::ResultExceptForm(const Catalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
    setObjectName(QStringLiteral("TResultExceptForm"));
    setWindowTitle(QStringLiteral("除外設定確認"));
    ResultExceptLV = makeListView(this, QStringLiteral("ResultExceptLV"),
                                  {QStringLiteral("名称"), QStringLiteral("ランク")}, {200});
    showGridLines(ResultExceptLV);
    rows_ = qobject_cast<QStandardItemModel*>(ResultExceptLV->model());
    ResultPartRG = new RadioGroup(QStringLiteral("ResultPartRG"), QStringLiteral("部位"),
                                  {QStringLiteral("頭"), QStringLiteral("胴"), QStringLiteral("手"), QStringLiteral("腰"),
                                   QStringLiteral("脚"), QStringLiteral("装飾")},
                                  0, this, 3);
    closeButton = makeButton(this, QStringLiteral("Button1"), QStringLiteral("閉じる"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ResultExceptLV, 1);
    auto* below = new QHBoxLayout;
    below->addWidget(ResultPartRG, 1);
    below->addWidget(closeButton, 0, Qt::AlignBottom);
    layout->addLayout(below);
    setFixedSize(320, 360);

    connect(ResultPartRG, &RadioGroup::itemClicked, this, [this] { fillList(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void ResultExceptForm::prepare(const ExceptFlags& exclusions) {
    shown_ = exclusions;
    fillList();
}

void ResultExceptForm::showModal(const ExceptFlags& exclusions) {
    prepare(exclusions);
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    exec();
}

void ResultExceptForm::fillList() {
    rows_->removeRows(0, rows_->rowCount());
    for (const ResultExceptRow& row : resultExceptRows(catalogue_, shown_, ResultPartRG->itemIndex())) {
        QList<QStandardItem*> items{new QStandardItem(fromSjis(row.name)),
                                    new QStandardItem(QString::number(row.rarity))};
        rows_->appendRow(items);
    }
    ResultExceptLV->scrollToTop();  // another part's rows start at their first
}

}  // namespace vk
