#include "ui/support/recording_messages.h"

namespace vk::test {

void RecordingMessages::inform(const QString& caption, const QString& text) {
    log.append({caption, text, false});
}

bool RecordingMessages::ask(const QString& caption, const QString& text) {
    log.append({caption, text, true});
    return answers.isEmpty() ? false : answers.takeFirst();
}

}  // namespace vk::test
