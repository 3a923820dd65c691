#pragma once
// ResultLV: a list whose incremental search reads the typed characters as one
// hit number (typing 1 then 2 finds hit 12), and whose selection stays
// visible when the list loses the focus.

#include <functional>
#include <optional>
#include <string_view>

#include <QElapsedTimer>
#include <QString>
#include <QTreeView>

namespace vk {

class ResultListView : public QTreeView {
    Q_OBJECT
public:
    // The row of the typed text, or nothing (ResultView::findRow).
    using Finder = std::function<std::optional<std::size_t>(std::string_view typed)>;

    explicit ResultListView(QWidget* parent = nullptr);
    void setFinder(Finder finder) { finder_ = std::move(finder); }

    // Typed text: added to the text typed before unless the pause since the
    // last key was longer than the platform's keyboard input interval.
    void keyboardSearch(const QString& search) override;
    QString typedText() const { return typed_; }

private:
    Finder finder_;
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace vk
