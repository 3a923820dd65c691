#pragma once
// The wanted-skill boxes (ReqSkill1..5 on the search page, ResultSkill1..5
// on the result-file page): drop-down lists of every SkillEq entry, item i
// being entry i, drawn with a coloured mark that tells positive skills from
// negative ones. Items are 16 pixels high.

#include <QComboBox>
#include <QStyledItemDelegate>

class QPainter;

namespace vk {

struct Catalogue;

// Item data role holding the entry's CompareKind.
inline constexpr int kSkillKindRole = Qt::UserRole + 1;
inline constexpr int kSkillItemHeight = 16;

// The one drawing routine of every skill box item. Item 0 (no wanted skill)
// is white with a black mark; a positive kind (">=", ">") has a green mark, a
// negative kind ("<=", "<") a red one, on the highlight colour with white text
// when selected; any other kind draws nothing.
void drawSkillItem(QPainter& painter, const QRect& rect, int item, int kind, const QString& name, bool selected,
                   const QPalette& palette);

class SkillItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The box itself also draws its current item with drawSkillItem.
class SkillComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SkillComboBox(const QString& objectName, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Replaces the items with every SkillEq name in table order (entry 0
// included) and selects item 0.
void fillSkillCombo(QComboBox& box, const Catalogue& catalogue);

}  // namespace vk
