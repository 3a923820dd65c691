#include "ui/search/skill_combo.h"

#include <QListView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "core/catalogue/catalogue.h"
#include "ui/widgets/qt_text.h"

namespace vk {

namespace {

const QColor kPositiveMark(100, 255, 100);
const QColor kNegativeMark(255, 100, 100);

// The open list: a blank strip under the last row, which would touch the
// frame otherwise (the names fill the 16-pixel rows to their foot).
class SkillListView : public QListView {
public:
    SkillListView() {
        setViewportMargins(0, 0, 0, 2);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
    }
};

}  // namespace

void drawSkillItem(QPainter& painter, const QRect& rect, int item, int kind, const QString& name, bool selected,
                   const QPalette& palette) {
    QColor background = Qt::white;
    QColor mark = Qt::black;
    QColor text = Qt::black;
    if (item != 0) {
        if (isPositiveKind(kind)) mark = kPositiveMark;
        else if (isNegativeKind(kind)) mark = kNegativeMark;
        else return;  // "==" and unknown kinds are left undrawn
        if (selected) {
            background = palette.color(QPalette::Active, QPalette::Highlight);
            text = Qt::white;
        }
    }
    painter.save();
    painter.fillRect(rect, background);
    painter.fillRect(QRect(rect.left() + 2, rect.top() + 2, 8, 8), mark);
    painter.setPen(text);
    painter.drawText(QRect(rect.left() + 12, rect.top(), rect.width() - 12, rect.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
    painter.restore();
}

void SkillItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    drawSkillItem(*painter, option.rect, index.row(), index.data(kSkillKindRole).toInt(),
                  index.data(Qt::DisplayRole).toString(), option.state.testFlag(QStyle::State_Selected),
                  option.palette);
}

QSize SkillItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int width = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 16;
    return {width, kSkillItemHeight};
}

SkillComboBox::SkillComboBox(const QString& objectName, QWidget* parent) : QComboBox(parent) {
    setObjectName(objectName);
    setView(new SkillListView);
    setItemDelegate(new SkillItemDelegate(this));
    // A list of at most 20 rows with a scroll bar, not the style's
    // screen-high menu of every activation.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(20);
    // The list was made under the style's menu rule, which hides its scroll bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SkillComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const int item = currentIndex();
    if (item < 0) return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QRect itemRect(field.left(), field.top() + (field.height() - kSkillItemHeight) / 2, field.width(),
                         kSkillItemHeight);
    painter.setClipRect(field);
    drawSkillItem(painter, itemRect, item, itemData(item, kSkillKindRole).toInt(), itemText(item),
                  hasFocus() && isEnabled(), palette());
}

void fillSkillCombo(QComboBox& box, const Catalogue& catalogue) {
    box.clear();
    for (std::size_t i = 0; i < catalogue.skillEqs.size(); ++i) {
        const SkillEq& entry = catalogue.skillEqs[i];
        box.addItem(fromSjis(entry.name));
        box.setItemData(static_cast<int>(i), entry.kind, kSkillKindRole);
    }
    box.setCurrentIndex(box.count() > 0 ? 0 : -1);
}

}  // namespace vk
