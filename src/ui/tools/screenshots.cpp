// velkorantis-screenshots DIR: builds the main window on the catalogue of the
// current directory without a display and saves each page as
// DIR/page0.png .. DIR/page3.png, at the window's design size, and the open
// list of the first skill box as DIR/skill-list.png.

#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTabWidget>

#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/app/user_messages.h"

namespace {

// Nobody is there to answer a box: messages go to standard error.
class PrintedMessages final : public vk::UserMessages {
public:
    void inform(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "[%s] %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
    bool ask(const QString& caption, const QString& text) override {
        inform(caption, text);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vk::Application app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velkorantis-screenshots DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    PrintedMessages messages;
    vk::MainWindow window(messages);
    window.show();
    // The screen may be smaller than the window; the pictures show the design size.
    window.resize(vk::MainWindow::kDesignWidth, vk::MainWindow::kDesignHeight);
    for (int page = 0; page < window.pageControl()->count(); ++page) {
        window.pageControl()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QString file = QDir(dir).filePath(QStringLiteral("page%1.png").arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
            return 1;
        }
    }
    window.pageControl()->setCurrentIndex(0);
    auto* skills = window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
    skills->showPopup();
    QCoreApplication::processEvents();
    const QString list = QDir(dir).filePath(QStringLiteral("skill-list.png"));
    if (!skills->view()->window()->grab().save(list)) {
        std::fprintf(stderr, "cannot write %s\n", list.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
