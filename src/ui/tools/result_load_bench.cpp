// velkorantis-resultload NAME: builds the main window without a display on
// the catalogue of the current directory, reads the result file RESULT/NAME
// on the result-file page as a click on its row does, and prints the hits
// listed and the milliseconds the read took. Run it under
// "/usr/bin/time -v" for the peak memory of a window holding the file.

#include <cstdio>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/results/result_file_controller.h"
#include "ui/tools/printed_messages.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vk::Application app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velkorantis-resultload NAME\n");
        return 2;
    }
    vk::PrintedMessages messages;
    vk::MainWindow window(messages);
    window.show();
    vk::ResultFileController& files = *window.resultFiles();
    int row = -1;
    for (std::size_t i = 0; i < files.files().size(); ++i)
        if (files.files()[i].name == argv[1]) row = static_cast<int>(i);
    if (row < 0) {
        std::fprintf(stderr, "RESULT/%s is not listed\n", argv[1]);
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    files.ResultFileLVSelectItem(row);
    QCoreApplication::processEvents();
    std::printf("%zu hits listed in %lld ms\n", files.hits().count(), static_cast<long long>(timer.elapsed()));
    return files.loaded() ? 0 : 1;
}
