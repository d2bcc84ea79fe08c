#include "app/PrintSettings.h"

#include "app/CAppSettings.h"
#include "app/ClosedWindowEntry.h"
#include "platform/registry/Registry.h"

#include <QStringList>
#include <QTextStream>

namespace {

QString oneLine(QString text) {
    return text.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString joined(std::initializer_list<QString> parts) {
    QStringList fields;
    for (const QString& part : parts)
        fields.append(oneLine(part));
    return fields.join(QLatin1Char('|'));
}

void printLinks(QTextStream& out, const QString& prefix, const LinkGroup& group) {
    for (qsizetype j = 0; j < group.Links.size(); ++j)
        out << prefix << '[' << j << "]=" << joined({group.Links[j].Name, group.Links[j].URL})
            << '\n';
}

void printLists(const CAppSettings& s, QTextStream& out) {
    out << "AutoClose.count=" << s.AutoClose.size() << '\n';
    for (qsizetype i = 0; i < s.AutoClose.size(); ++i)
        out << "AutoClose[" << i << "]=" << oneLine(s.AutoClose[i]) << '\n';

    const QStringList& closed = s.ClosedWindows();
    out << "ClosedWindows.count=" << closed.size() << '\n';
    for (qsizetype i = 0; i < closed.size(); ++i)
        if (!closed[i].isEmpty())
            out << "ClosedWindows[" << i << "]="
                << joined({ClosedWindowEntryTitle(closed[i]), ClosedWindowEntryAddress(closed[i])})
                << '\n';
}

void printGroups(const CAppSettings& s, QTextStream& out) {
    out << "LinkGroups.count=" << s.LinkGroups.size() << '\n';
    for (qsizetype i = 0; i < s.LinkGroups.size(); ++i) {
        const LinkGroup& g = s.LinkGroups[i];
        out << "LinkGroups[" << i << "]="
            << joined({g.Name, QString::number(g.Startup), QString::number(g.Separator),
                       QString::number(g.Links.size())})
            << '\n';
        printLinks(out, QStringLiteral("LinkGroups[%1].Link").arg(i), g);
    }

    out << "QuickCommands.count=" << s.QuickCommands.size() << '\n';
    for (qsizetype i = 0; i < s.QuickCommands.size(); ++i) {
        const QuickCommand& c = s.QuickCommands[i];
        out << "QuickCommands[" << i
            << "]=" << joined({c.Title, c.Command, QString::number(c.Type), c.URL}) << '\n';
    }

    out << "LastSessionGroup.count=" << s.LastSessionGroup.Links.size() << '\n';
    printLinks(out, QStringLiteral("LastSessionGroup"), s.LastSessionGroup);
}

} // namespace

void PrintSettings(const CAppSettings& settings, QTextStream& out) {
    for (const auto& [name, value] : settings.ScalarValues())
        out << name << '=' << oneLine(value) << '\n';
    printLists(settings, out);
    printGroups(settings, out);
}

int RunPrintSettings(FILE* out, FILE* err) {
    // Printing never changes the registry: it is read as it is, damaged,
    // locked or read-only, and what is wrong with it goes to err.
    platform::Registry registry(platform::Registry::defaultPath(),
                                platform::Registry::Access::ReadOnly);
    CAppSettings settings(&registry);
    const bool complete = settings.Load();
    QTextStream stream(out);
    stream.setEncoding(QStringConverter::Utf8);
    PrintSettings(settings, stream);
    stream.flush();
    platform::RegProblem problem = registry.openProblem();
    if (!problem && !complete)
        problem = registry.lastFailure();
    if (!problem)
        return 0;
    QTextStream messages(err);
    messages.setEncoding(QStringConverter::Utf8);
    messages << platform::describeRegProblem(problem) << '\n';
    return 1;
}
