#pragma once
// Small factories for the controls of the pages: each takes the control's
// name (its objectName, by which code and tests find it) and its caption.

#include <initializer_list>

#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class QVBoxLayout;
class QWidget;

namespace vk {

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, bool enabled = true);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool enabled = true);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);
QLineEdit* makeLineEdit(QWidget* parent, const QString& name, const QString& text, bool readOnly = false);
QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items, bool enabled = true);

// A plain-text memo; read-only memos still select and copy.
QPlainTextEdit* makeMemo(QWidget* parent, const QString& name, bool readOnly, const QStringList& lines = {});

// A report-style list: rows selected whole, one at a time, not editable,
// column headings from a QStandardItemModel that the list owns (a page may
// replace the model with its own; the headings must then come from it).
// `widths` gives the first columns' widths in pixels; the last column
// stretches.
QTreeView* makeListView(QWidget* parent, const QString& name, const QStringList& headings,
                        const QList<int>& widths = {});
// The same set-up for a list view of a class of its own, already made.
void setUpListView(QTreeView* view, const QString& name, const QStringList& headings, const QList<int>& widths = {});

// The height of `view` (its heading, frame and no scroll bar) that shows
// `rows` rows whole.
int listHeightForRows(const QTreeView* view, int rows);

// Every column of `view` as wide as its widest text (a longer text scrolls
// the list sideways rather than being cut), whatever model it shows later.
void fitColumnsToTexts(QTreeView* view);

// The "…" button that opens a picker: narrow, whatever the font.
QPushButton* makeEllipsisButton(QWidget* parent, const QString& name);

// A column of buttons over empty space; `width` > 0 gives them all that width.
QVBoxLayout* buttonColumn(std::initializer_list<QPushButton*> buttons, int width = 0);

// Column headings shared by several lists.
QStringList skillPointHeadings();  // "スキル系統", "頭", "胴", "腕", "腰", "脚", "武", "計"
QStringList pieceHeadings();       // "防具名", "レ", "防", "火", "水", "雷", "氷", "龍", "ス"

// Item lists shared by the search page and the result-file page.
QStringList rarityItems();     // "レア制限なし", "レア１以下" .. "レア８以下"
QStringList weaponSlotItems(); // "武器スロットなし" .. "武器スロット３"
QStringList priorityItems();   // "なし", "防御", ..., "龍"

}  // namespace vk
