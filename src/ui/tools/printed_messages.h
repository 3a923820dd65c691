#pragma once
// For the tools that run the window without a display: nobody is there to
// answer a box, so messages go to standard error and questions are answered No.

#include <cstdio>

#include "ui/widgets/user_messages.h"

namespace vk {

class PrintedMessages final : public UserMessages {
public:
    void inform(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "[%s] %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
    bool ask(const QString& caption, const QString& text) override {
        inform(caption, text);
        return false;
    }
};

}  // namespace vk
