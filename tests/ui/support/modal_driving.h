#pragma once
// Driving a modal dialog from a test: the steps run once the dialog is up
// (the test's click opens it and waits in its event loop), and list rows are
// chosen by a cell's text.

#include <functional>

#include <QString>

class QTreeView;
class QWidget;

namespace vk::test {

// Runs `drive` on the modal dialog named `name` once it is up. `drive`
// closes it; when one of its checks failed half-way, the dialog is cancelled
// here so that the test goes on to report it.
void whenModal(const char* name, std::function<void(QWidget*)> drive);

// Selects the row of `view` whose column `column` reads `text`.
bool selectRowWith(QTreeView* view, int column, const QString& text);

}  // namespace vk::test
