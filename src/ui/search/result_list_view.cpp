#include "ui/search/result_list_view.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPalette>

namespace vk {

ResultListView::ResultListView(QWidget* parent) : QTreeView(parent) {
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void ResultListView::keyboardSearch(const QString& search) {
    if (search.isEmpty()) return;
    const bool continues = sinceLastKey_.isValid() && sinceLastKey_.elapsed() <= QApplication::keyboardInputInterval();
    typed_ = continues ? typed_ + search : search;
    sinceLastKey_.start();
    if (!finder_ || !model()) return;
    const QByteArray text = typed_.toLatin1();
    const std::optional<std::size_t> row = finder_(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!row || static_cast<int>(*row) >= model()->rowCount()) return;
    const QModelIndex found = model()->index(static_cast<int>(*row), 0);
    selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(found);
}

}  // namespace vk
