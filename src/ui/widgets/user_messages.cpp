#include "ui/widgets/user_messages.h"

#include <QMessageBox>

#include "core/catalogue/loader.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/wait_cursor.h"

namespace vk {

void UserMessages::informSjis(const UserMessage& message) {
    inform(fromSjis(message.caption), fromSjis(message.text));
}

void MessageBoxes::inform(const QString& caption, const QString& text) {
    const NormalCursor normal;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxes::ask(const QString& caption, const QString& text) {
    const NormalCursor normal;
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vk
