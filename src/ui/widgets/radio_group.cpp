#include "ui/widgets/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace vk {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int itemIndex,
                       QWidget* parent, int columns)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(objectName);
    buttons_->setObjectName(objectName + QStringLiteral("Buttons"));
    QHBoxLayout* row = columns > 0 ? nullptr : new QHBoxLayout(this);
    QGridLayout* grid = columns > 0 ? new QGridLayout(this) : nullptr;
    (row ? static_cast<QLayout*>(row) : grid)->setContentsMargins(8, 2, 8, 2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + QString::number(i));
        buttons_->addButton(button, i);
        if (row) row->addWidget(button);
        else grid->addWidget(button, i / columns, i % columns);
    }
    if (row) row->addStretch(1);
    setItemIndex(itemIndex);
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::itemIndex() const { return buttons_->checkedId(); }

int RadioGroup::count() const { return static_cast<int>(buttons_->buttons().size()); }

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button: lift that briefly.
    buttons_->setExclusive(false);
    for (QAbstractButton* b : buttons_->buttons()) b->setChecked(false);
    buttons_->setExclusive(true);
}

}  // namespace vk
