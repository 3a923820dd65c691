#include "ui/app/application.h"

#include <exception>

#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStyle>
#include <QTranslator>

#include "ui/widgets/focus_frame_style.h"

namespace vk {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The name on the window manager's task list. (A display name would be
    // appended to every window title, so it is not set.)
    setApplicationName(QStringLiteral("VELKORANTIS"));
    useProgramStyle();
    useJapaneseFont();
    // Before any box can show: the start-up's own error boxes come next.
    useJapaneseQtTexts();
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

void useProgramStyle() {
    // Over the style in use, which may come from -style or QT_STYLE_OVERRIDE.
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

void useJapaneseFont() {
    const QString family = QStringLiteral("Noto Sans CJK JP");
    if (!QFontDatabase::families().contains(family)) return;
    QFont font(family);
    font.setPointSize(9);
    QApplication::setFont(font);
}

bool useJapaneseQtTexts() {
    // The program speaks Japanese whatever the desktop's language, so the
    // translation is chosen by name, and dates and sizes (the save dialog's
    // list) follow the Japanese locale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vk
