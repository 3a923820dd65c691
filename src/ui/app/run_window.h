#pragma once
// The program's run from the application object on: claims the working
// folder, builds and shows the main window, runs the event loop and returns
// the exit status. A second window on a folder in use is turned away before
// it reads or writes anything there.

#include <functional>

namespace vk {

class MainWindow;
class UserMessages;

// `built` (if given) sees the window once it is built, before it shows;
// `shown` once it shows, before the event loop runs.
int runMainWindow(UserMessages& messages, const std::function<void(MainWindow&)>& built = {},
                  const std::function<void(MainWindow&)>& shown = {});

}  // namespace vk
