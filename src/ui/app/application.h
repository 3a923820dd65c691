#pragma once
// The application object: name, style, font, Qt's texts in Japanese, and the
// last line of defence against exceptions, which are shown in a message box
// and end the program.

#include <QApplication>

namespace vk {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception that reached the program's top and asks the event loop
// to end with a failure code.
void reportFatalError(const char* what);

// The platform's style with clear focus frames on buttons (FocusFrameStyle).
void useProgramStyle();

// "Noto Sans CJK JP" at 9 points for all text, when the font is installed.
void useJapaneseFont();

// Qt's own texts (the buttons of every box, the save dialog) in Japanese, from
// Qt's installed translations; false, and English texts, when they are missing.
bool useJapaneseQtTexts();

}  // namespace vk
