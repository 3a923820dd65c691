// VELKORANTIS: the desktop program. Works on the catalogue in the current
// directory; takes no arguments.

#include <exception>

#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/run_window.h"
#include "ui/widgets/user_messages.h"

int main(int argc, char** argv) {
    vk::Application app(argc, argv);
    try {
        vk::MessageBoxes messages;
        return vk::runMainWindow(messages, [&messages](vk::MainWindow& window) { messages.setParent(&window); });
    } catch (const std::exception& e) {
        vk::reportFatalError(e.what());
        return 1;
    }
}
