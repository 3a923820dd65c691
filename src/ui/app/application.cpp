#include "ui/app/application.h"

#include <exception>

#include <QFontDatabase>
#include <QMessageBox>

namespace vk {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The name on the window manager's task list. (A display name would be
    // appended to every window title, so it is not set.)
    setApplicationName(QStringLiteral("VELKORANTIS"));
    useJapaneseFont();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportFatalError(e.what());
    } catch (...) {
        reportFatalError("unknown exception");
    }
    return false;
}

void reportFatalError(const char* what) {
    QMessageBox::critical(nullptr, QStringLiteral("VELKORANTIS"), QString::fromLocal8Bit(what));
    QCoreApplication::exit(1);
}

void useJapaneseFont() {
    const QString family = QStringLiteral("Noto Sans CJK JP");
    if (!QFontDatabase::families().contains(family)) return;
    QFont font(family);
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace vk
