#include "ui/app/run_window.h"

#include <filesystem>

#include <QApplication>

#include "core/files/folder_lock.h"
#include "ui/app/main_window.h"
#include "ui/app/termination_signals.h"
#include "ui/widgets/user_messages.h"

namespace vk {

namespace {

// As the close box does: the close saves. A modal dialog or box open now runs
// an event loop of its own; exit() ends that one too, and the run.
void closeOnSignal(MainWindow& window) {
    window.close();
    QCoreApplication::exit(0);
}

}  // namespace

int runMainWindow(UserMessages& messages, const std::function<void(MainWindow&)>& built,
                  const std::function<void(MainWindow&)>& shown) {
    // Held until the window is gone: the last to close would win otherwise.
    const FolderLock folder(std::filesystem::current_path());
    if (folder.state() == FolderLock::State::kBusy) {
        messages.inform(QStringLiteral("エラー"), QStringLiteral("このフォルダは別のウィンドウで使用中です。"));
        return 1;
    }
    TerminationSignals terminations;
    MainWindow window(messages);
    if (built) built(window);
    terminations.watch(&window, [&window] { closeOnSignal(window); });
    window.show();
    if (shown) shown(window);
    return QApplication::exec();
}

}  // namespace vk
