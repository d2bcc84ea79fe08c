// A stand-in running instance for the cross-process tests: serves the
// instance messages in the folder given as its argument under its own
// process id, prints what arrives on stdout (one line per message) and ends
// when its standard input closes (or after a minute).
//
//   ready
//   copy <tag> <data as hex>
//   navigate <wParam> <lParam>
#include "platform/instance/InstanceServer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using namespace platform;

namespace {

void say(const QByteArray& line) {
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: instance_peer <folder>\n");
        return 2;
    }
    InstanceServer server(InstanceId(::getpid()));
    // Like a main window: a non-empty address is taken (1), anything else not.
    server.setCopyDataHandler([](quint64 tag, const QByteArray& data) -> quint64 {
        say("copy " + QByteArray::number(tag) + ' ' + data.toHex());
        return tag == 0 && !instancewire::textFromCopyData(data).isEmpty() ? 1 : 0;
    });
    server.setNavigateHandler([](quint64 wParam, quint64 lParam) -> quint64 {
        say("navigate " + QByteArray::number(wParam) + ' ' + QByteArray::number(lParam));
        return 1;
    });
    QString error;
    if (!server.listen(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    say("ready");
    return app.exec();
}
