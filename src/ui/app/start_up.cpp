#include "ui/app/start_up.h"

#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "core/startup/settings_place.h"
#include "ui/widgets/user_messages.h"

namespace vk {

namespace {

// Where an installation puts the shared files, seen from its bin folder, and
// the version: both come from the build.
const std::filesystem::path kShareFromBin = VK_SHARE_FROM_BIN;
constexpr const char* kVersion = VK_VERSION;
constexpr const char* kDesktopFileName = "org.velkorantis.Velkorantis";

void closeAfterTestDelay(QWidget& window) {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VELKORANTIS_CLOSE_AFTER_MS", &ok);
    if (!ok || ms < 0) return;
    QTimer::singleShot(ms, &window, [&window] {
        while (QWidget* box = QApplication::activeModalWidget()) box->close();
        window.close();
    });
}

}  // namespace

StartOutcome startFromCommandLine(int argc, char** argv) {
    // Ties the windows to the menu entry (before any window exists).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    const std::vector<std::string> args(argv + 1, argv + argc);
    const StartContext context{installedShareFolder(runningExecutable(), kShareFromBin),
                               XdgEnvironment::ofProcess(), kVersion};
    return beginStart(args, context, std::cout, std::cerr);
}

int showStartFailure(const StartOutcome& start) {
    MessageBoxes().inform(QStringLiteral("エラー"), QString::fromStdString(start.failure));
    return 1;
}

void afterWindowShown(const StartOutcome& start, QWidget& window, UserMessages& messages) {
    if (start.seeded > 0) {
        const QString text = QStringLiteral("サンプルのデータファイルを作業フォルダにコピーしました。\n%1")
                                 .arg(QString::fromStdString(start.folder.string()));
        QTimer::singleShot(0, &window, [&messages, text] { messages.inform(QStringLiteral("VELKORANTIS"), text); });
    }
    closeAfterTestDelay(window);
}

std::filesystem::path programSettingsFile() {
    static const std::filesystem::path file = [] {
        const std::filesystem::path exe = QCoreApplication::applicationFilePath().toStdString();
        std::filesystem::path f = settingsFileFor(exe, installedShareFolder(exe, kShareFromBin),
                                                  XdgEnvironment::ofProcess());
        if (f.parent_path() != exe.parent_path()) {
            std::error_code ignored;  // a folder that cannot be made fails the save, unreported as ever
            std::filesystem::create_directories(f.parent_path(), ignored);
        }
        return f;
    }();
    return file;
}

}  // namespace vk
