// quorrelin-reg: the command-line registry tool (query, add, delete, export,
// import) over the registry the program uses.
#include "RegCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    RegCommand command(&out, &err);
    const int status = command.run(QCoreApplication::arguments().mid(1));
    out.flush();
    err.flush();
    return status;
}
