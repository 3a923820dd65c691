#pragma once
// Filling a small report list (a QStandardItemModel under a list view) with
// rows of Shift-JIS texts, each row with an optional background colour.

#include <functional>
#include <optional>

#include <QList>
#include <QStandardItemModel>

#include "ui/widgets/qt_text.h"
#include "ui/widgets/win_colour.h"

namespace vk {

using RowColour = std::function<std::optional<WinColour>(int row)>;

// Replaces every row of `model` by `rows` (each a range of std::string).
template <class Rows>
void setTextRows(QStandardItemModel& model, const Rows& rows, const RowColour& colourOf = {}) {
    model.removeRows(0, model.rowCount());
    int r = 0;
    for (const auto& row : rows) {
        const QVariant background = colourOf ? backgroundOf(colourOf(r)) : QVariant();
        QList<QStandardItem*> items;
        for (const auto& text : row) {
            auto* item = new QStandardItem(fromSjis(text));
            if (background.isValid()) item->setData(background, Qt::BackgroundRole);
            items << item;
        }
        model.appendRow(items);
        ++r;
    }
}

}  // namespace vk
