#pragma once
// Keeps a widget enabled exactly when another is (and `allowed`): installed
// as an event filter on the leader, it hears each change of its enabled state.

#include <QEvent>
#include <QWidget>

namespace vk {

class FollowEnabled : public QObject {
public:
    FollowEnabled(QWidget* follower, bool allowed, QObject* parent) : QObject(parent), follower_(follower), allowed_(allowed) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            if (auto* leader = qobject_cast<QWidget*>(watched)) follower_->setEnabled(allowed_ && leader->isEnabled());
        return false;
    }

private:
    QWidget* follower_;
    bool allowed_;
};

}  // namespace vk
