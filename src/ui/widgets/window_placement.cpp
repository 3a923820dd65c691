#include "ui/widgets/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "core/settings/work_area.h"

namespace vk {

namespace {

ScreenRect toScreenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool shownNormally(const QWidget* window) {
    return !(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

// Remembers the window's bounds while it is shown normally. (The window
// system's own record, QWidget::normalGeometry, is missing on some
// platforms.)
class RestoredBounds : public QObject {
public:
    static constexpr const char* kName = "RestoredBounds";

    explicit RestoredBounds(QWidget* window) : QObject(window), bounds_(window->geometry()) {
        setObjectName(QString::fromLatin1(kName));
        window->installEventFilter(this);
    }
    QRect bounds() const { return bounds_; }
    void set(const QRect& bounds) { bounds_ = bounds; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        auto* window = static_cast<QWidget*>(watched);
        if ((type == QEvent::Move || type == QEvent::Resize) && shownNormally(window)) bounds_ = window->geometry();
        // A hidden window gets no move or resize events until it is shown:
        // its bounds as they stand when it leaves the normal state.
        if (type == QEvent::WindowStateChange && !window->isVisible() && !shownNormally(window) &&
            !(static_cast<QWindowStateChangeEvent*>(event)->oldState() &
              (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            bounds_ = window->geometry();
        return false;
    }

private:
    QRect bounds_;
};

RestoredBounds* restoredBoundsOf(QWidget* window) {
    // Found by its name: the class has no meta-object of its own to cast by.
    QObject* tracker = window->findChild<QObject*>(QString::fromLatin1(RestoredBounds::kName), Qt::FindDirectChildrenOnly);
    return tracker ? static_cast<RestoredBounds*>(tracker) : new RestoredBounds(window);
}

}  // namespace

void fitToWorkArea(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    // The edges are those of the whole window, frame included; only the
    // client part can be resized, so the frame's extra size is kept.
    const QRect frame = window->frameGeometry();
    const ScreenRect fitted = vk::fitToWorkArea(toScreenRect(frame), toScreenRect(screen->availableGeometry()));
    const int extraWidth = frame.width() - window->width();
    const int extraHeight = frame.height() - window->height();
    window->move(fitted.left, fitted.top);
    window->resize(fitted.width - extraWidth, fitted.height - extraHeight);
}

void keepFittedToWorkArea(QWidget* window) {
    restoredBoundsOf(window);  // from now on the restored bounds are known
    fitToWorkArea(window);
    if (QScreen* screen = window->screen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, window, [window] { fitToWorkArea(window); });
}


WindowSettings windowSettingsOf(QWidget* window) {
    const QRect r = shownNormally(window) ? window->geometry() : restoredBoundsOf(window)->bounds();
    return WindowSettings{toScreenRect(r), window->isMaximized()};
}

void applyWindowSettings(QWidget* window, const WindowSettings& settings) {
    const ScreenRect& b = settings.bounds;
    RestoredBounds* restored = restoredBoundsOf(window);
    window->setGeometry(b.left, b.top, b.width, b.height);
    restored->set(QRect(b.left, b.top, b.width, b.height));
    if (settings.maximised) window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

bool readWindowPlacement(QWidget* window, const std::filesystem::path& file, std::string_view section) {
    const IniReading reading = IniFile::load(file);
    applyWindowSettings(window, readWindowSettings(reading.ini, section, windowSettingsOf(window).bounds));
    // Without a stored place a dialog is left unmoved: Qt centres it on its parent when shown.
    const bool placeStored = reading.ini.has(section, "Left") || reading.ini.has(section, "Top");
    window->setAttribute(Qt::WA_Moved, placeStored);
    return !reading.unreadable();
}

void writeWindowPlacement(QWidget* window, const std::filesystem::path& file, std::string_view section) {
    IniReading reading = IniFile::load(file);
    if (reading.unreadable()) return;
    IniFile& ini = reading.ini;
    ini.eraseSection(section);
    writeWindowSettings(ini, section, windowSettingsOf(window));
    ini.save(file);
}

}  // namespace vk
