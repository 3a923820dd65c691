#include "ui/widgets/heading_clicks.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>

namespace vk {

namespace {

class SecondPressFilter final : public QObject {
public:
    explicit SecondPressFilter(QHeaderView& header) : QObject(&header), header_(header) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick || !header_.sectionsClickable()) return false;
        const auto* twice = static_cast<QMouseEvent*>(event);
        QMouseEvent press(QEvent::MouseButtonPress, twice->position(), twice->scenePosition(), twice->globalPosition(),
                          twice->button(), twice->buttons(), twice->modifiers(), twice->pointingDevice());
        press.setTimestamp(twice->timestamp());
        QCoreApplication::sendEvent(watched, &press);
        return false;
    }

private:
    QHeaderView& header_;
};

}  // namespace

void countEveryHeadingClick(QHeaderView& header) {
    header.viewport()->installEventFilter(new SecondPressFilter(header));
}

}  // namespace vk
