#include "app/ProgramMain.h"

#include <QApplication>

int programMain(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
