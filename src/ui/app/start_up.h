#pragma once
// The window program's start around the core's beginStart (core/startup):
// the command line and the working folder are dealt with before the
// application object exists, so --help and --version need no display and
// everything after works in the chosen folder; what the user must be told
// is shown once there are windows.

#include <filesystem>

#include "core/startup/program_start.h"

class QWidget;

namespace vk {

class UserMessages;

// Call first thing in main(): a set exitStatus ends the program at once.
StartOutcome startFromCommandLine(int argc, char** argv);

// Once the application object exists: shows why the working folder cannot
// be used and gives the exit status.
int showStartFailure(const StartOutcome& start);

// Once the main window is shown: says, over it, that the sample catalogue
// was copied into the working folder. For tests, the environment variable
// VELKORANTIS_CLOSE_AFTER_MS=N closes any open box and then the window N ms
// after the start, as a user would (the settings and config.csv are saved).
void afterWindowShown(const StartOutcome& start, QWidget& window, UserMessages& messages);

// The settings file of this program (core settingsFileFor), found once; its
// folder is made when it is the per-user one.
std::filesystem::path programSettingsFile();

}  // namespace vk
