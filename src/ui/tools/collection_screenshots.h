#pragma once
// The possessions page and the my-set page with something in them, for the
// screenshot tool: a few owned pieces per part with a row selected in each
// list, and three my sets made from them with the first selected.

#include <QString>

namespace vk {

class MainWindow;

// Fills the window's collections (in memory only) and saves
// DIR/possessions-selected.png and DIR/mysets-selected.png.
bool saveCollectionPages(MainWindow& window, const QString& dir);

}  // namespace vk
