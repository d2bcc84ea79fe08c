// quorrelin-search: uses the registered URL search hooks from the shell, so
// a desktop launcher can run the user's quick commands.
//
//   quorrelin-search TEXT...            prints the address the hooks make of
//                                       TEXT (words joined by blanks);
//                                       exit status 1 when none translates
//   quorrelin-search --open TEXT...     also opens it in the running program
//                                       (or starts the program with it)
//   quorrelin-search --register PATH    loads the library and calls its
//   quorrelin-search --unregister PATH  DllRegisterServer/DllUnregisterServer;
//                                       exit status 0 exactly when it
//                                       returned 0
#include "SearchHookHost.h"
#include "system/ComLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

constexpr int kUsageError = 2;

int usage(QTextStream& err) {
    err << "usage: quorrelin-search [--open] TEXT...\n"
           "       quorrelin-search --register PATH | --unregister PATH\n";
    return kUsageError;
}

// The program to open an address with: beside this tool, beside the hook
// library, else on the search path.
QString findProgram(const QString& hookLibrary) {
    const QString name = QStringLiteral("quorrelin");
    for (const QString& folder :
         {QCoreApplication::applicationDirPath(), QFileInfo(hookLibrary).absolutePath()}) {
        const QFileInfo candidate(folder + QLatin1Char('/') + name);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(name);
}

int translate(const QStringList& words, bool open, QTextStream& out, QTextStream& err) {
    if (words.isEmpty())
        return usage(err);
    SearchHookHost host;
    const auto translation = host.Translate(words.join(QLatin1Char(' ')));
    if (!translation)
        return 1;
    out << translation->url << '\n';
    if (!open)
        return 0;
    const QString program = findProgram(translation->library);
    if (program.isEmpty() || !QProcess::startDetached(program, {translation->url})) {
        err << "quorrelin-search: cannot start Quorrelin\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    int status = 0;
    if (!args.isEmpty() &&
        (args.first() == QLatin1String("--register") || args.first() == QLatin1String("--unregister"))) {
        if (args.size() != 2)
            status = usage(err);
        else
            status = RegisterComLibrary(args.at(1), args.first() == QLatin1String("--register")) ? 0 : 1;
    } else if (!args.isEmpty() && args.first() == QLatin1String("--open")) {
        status = translate(args.mid(1), true, out, err);
    } else {
        status = translate(args, false, out, err);
    }
    out.flush();
    err.flush();
    return status;
}
