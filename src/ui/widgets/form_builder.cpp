#include "ui/widgets/form_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/search/condition/condition_captions.h"
#include "ui/widgets/heading_clicks.h"

namespace vk {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, bool enabled) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setEnabled(enabled);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool enabled) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setEnabled(enabled);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

QLineEdit* makeLineEdit(QWidget* parent, const QString& name, const QString& text, bool readOnly) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    return edit;
}

QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items, bool enabled) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(items.isEmpty() ? -1 : 0);
    box->setEnabled(enabled);
    return box;
}

QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, bool readOnly, const QStringList& lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(readOnly);
    if (!lines.isEmpty()) memo->setPlainText(lines.join(QLatin1Char('\n')));
    return memo;
}

QTreeView* makeListView(QWidget* parent, const QString& name, const QStringList& headings, const QList<int>& widths) {
    auto* view = new QTreeView(parent);
    setUpListView(view, name, headings, widths);
    return view;
}

void setUpListView(QTreeView* view, const QString& name, const QStringList& headings, const QList<int>& widths) {
    view->setObjectName(name);
    auto* model = new QStandardItemModel(0, static_cast<int>(headings.size()), view);
    model->setHorizontalHeaderLabels(headings);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(true);
    view->header()->setSectionsMovable(false);
    view->header()->setMinimumSectionSize(16);
    countEveryHeadingClick(*view->header());
    // The frame turns to the highlight colour while the list has the focus,
    // so tabbing into a list without a current row still shows where it is.
    view->setStyleSheet(QStringLiteral("QTreeView { border: 1px solid palette(mid); }"
                                       "QTreeView:focus { border: 1px solid palette(highlight); }"));
    // Columns without a given width, the stretching last one among them,
    // start at their heading's width: a stretched column never shrinks below
    // its start width, which would force a horizontal scroll bar.
    for (int c = 0; c < headings.size(); ++c)
        view->setColumnWidth(c, c < widths.size() ? widths[c] : view->fontMetrics().horizontalAdvance(headings[c]) + 16);
}

int listHeightForRows(const QTreeView* view, int rows) {
    // A row is as high as the item delegate makes a line of text.
    QStyleOptionViewItem item;
    item.initFrom(view);
    item.font = view->font();
    item.fontMetrics = view->fontMetrics();
    item.features = QStyleOptionViewItem::HasDisplay;
    item.text = QStringLiteral("装");
    const int row = view->style()->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), view).height();
    return view->header()->sizeHint().height() + rows * row + 2 * view->frameWidth();
}

void fitColumnsToTexts(QTreeView* view) {
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QPushButton* makeEllipsisButton(QWidget* parent, const QString& name) {
    QPushButton* button = makeButton(parent, name, QStringLiteral("…"));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("……")) + 8);
    return button;
}

QVBoxLayout* buttonColumn(std::initializer_list<QPushButton*> buttons, int width) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    for (QPushButton* button : buttons) {
        if (width > 0) button->setFixedWidth(width);
        column->addWidget(button);
    }
    column->addStretch(1);
    return column;
}

QStringList skillPointHeadings() {
    return {QStringLiteral("スキル系統"), QStringLiteral("頭"), QStringLiteral("胴"), QStringLiteral("腕"),
            QStringLiteral("腰"),         QStringLiteral("脚"), QStringLiteral("武"), QStringLiteral("計")};
}

QStringList pieceHeadings() {
    return {QStringLiteral("防具名"), QStringLiteral("レ"), QStringLiteral("防"), QStringLiteral("火"),
            QStringLiteral("水"),     QStringLiteral("雷"), QStringLiteral("氷"), QStringLiteral("龍"),
            QStringLiteral("ス")};
}

namespace {

template <std::size_t N>
QStringList itemList(const std::array<const char*, N>& items) {
    QStringList list;
    for (const char* item : items) list << QString::fromUtf8(item);
    return list;
}

}  // namespace

QStringList rarityItems() { return itemList(kRarityItems); }
QStringList weaponSlotItems() { return itemList(kWeaponSlotItems); }
QStringList priorityItems() { return itemList(kPriorityItems); }

}  // namespace vk
