#include "app/ProgramMain.h"

#include "app/PrintSettings.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int programMain(int argc, char** argv) {
    // --print-settings runs without any display: it needs no QApplication.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-settings") == 0) {
            QCoreApplication core(argc, argv);
            return RunPrintSettings(stdout);
        }
    }
    QApplication app(argc, argv);
    return 0;
}
