#pragma once
// Message boxes for tests: every box is recorded instead of shown, and
// questions are answered from a queue (No when the queue is empty).

#include <QList>
#include <QString>

#include "ui/widgets/user_messages.h"

namespace vk::test {

struct RecordedMessage {
    QString caption;
    QString text;
    bool question = false;

    bool operator==(const RecordedMessage&) const = default;
};

class RecordingMessages final : public UserMessages {
public:
    void inform(const QString& caption, const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;

    QList<RecordedMessage> log;
    QList<bool> answers;  // taken from the front, one per question
};

}  // namespace vk::test
