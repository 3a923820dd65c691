#include "ui/search/result_list_model.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QStringList>

#include "core/search/hits/result_view.h"

namespace vk {

namespace {

const QStringList& headings() {
    static const QStringList texts = {QStringLiteral("no"), QStringLiteral("防御"), QStringLiteral("スロット"),
                                      QStringLiteral("所持数")};
    return texts;
}

}  // namespace

ResultListModel::ResultListModel(const ResultView& view, QObject* parent) : QAbstractTableModel(parent), view_(view) {}

void ResultListModel::setRowCount(int rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void ResultListModel::refresh(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rows_ - 1);
    if (first <= last) Q_EMIT dataChanged(index(first, 0), index(last, kResultColumns - 1));
}

int ResultListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ResultListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kResultColumns; }

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
    // Decimal digits only: the same bytes in Shift-JIS and Unicode.
    return QString::fromStdString(view_.rowTexts(static_cast<std::size_t>(index.row()))[index.column()]);
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kResultColumns) return {};
    return headings()[section];
}

void sortHitList(ResultView& view, int column, ResultListModel& model, const QAbstractItemView& list) {
    view.clickColumn(column);
    const QWidget& shown = *list.viewport();
    const QModelIndex top = list.indexAt(QPoint(0, 0));
    const QModelIndex bottom = list.indexAt(QPoint(0, shown.height() - 1));
    if (!top.isValid()) return;  // an empty list
    // Below the last row the list is blank: every row from the top is shown.
    // (QTreeView finds a reported row by walking its rows from the one it
    // looked up last, and walks the whole list for row 0 from further down:
    // a list shown from its top still costs that walk, a few milliseconds
    // at millions of rows, instead of a pass over every row's height.)
    model.refresh(top.row(), bottom.isValid() ? bottom.row() : model.rowCount() - 1);
}

}  // namespace vk
