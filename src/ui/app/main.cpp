// VELKORANTIS: the desktop program. Works on the catalogue in the current
// directory, or in the folder named by --data or --data-home (see --help).

#include <exception>

#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/run_window.h"
#include "ui/app/start_up.h"
#include "ui/widgets/user_messages.h"

int main(int argc, char** argv) {
    const vk::StartOutcome start = vk::startFromCommandLine(argc, argv);
    if (start.exitStatus) return *start.exitStatus;
    vk::Application app(argc, argv);  // Qt's Japanese texts from here on: every box comes after
    if (!start.failure.empty()) return vk::showStartFailure(start);
    try {
        vk::MessageBoxes messages;
        return vk::runMainWindow(
            messages, [&messages](vk::MainWindow& window) { messages.setParent(&window); },
            [&start, &messages](vk::MainWindow& window) { vk::afterWindowShown(start, window, messages); });
    } catch (const std::exception& e) {
        vk::reportFatalError(e.what());
        return 1;
    }
}
