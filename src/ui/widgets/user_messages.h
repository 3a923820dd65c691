#pragma once
// Every message box of the program goes through this interface, so that the
// tests can read and answer them instead of a person.

#include <QString>

class QWidget;

namespace vk {

struct UserMessage;

class UserMessages {
public:
    virtual ~UserMessages() = default;

    // A plain box with an OK button.
    virtual void inform(const QString& caption, const QString& text) = 0;

    // A Yes/No box; true for Yes.
    virtual bool ask(const QString& caption, const QString& text) = 0;

    // A message collected by the core (Shift-JIS caption and text).
    void informSjis(const UserMessage& message);
};

// The real boxes, modal over `parent` (none: over no window), with the
// normal cursor while they are up, even in the midst of a wait.
class MessageBoxes final : public UserMessages {
public:
    explicit MessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void inform(const QString& caption, const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace vk
