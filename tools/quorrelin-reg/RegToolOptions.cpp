#include "RegToolOptions.h"

namespace {

// The switch name of arg ("v" for "/v" or "-V"), or empty when arg is none.
QString switchName(const QString& arg) {
    static const QStringList known = {"v", "ve", "va", "s", "t", "d", "f", "y"};
    if (arg.size() < 2 || (arg[0] != QLatin1Char('/') && arg[0] != QLatin1Char('-')))
        return {};
    const QString name = arg.mid(1).toLower();
    return known.contains(name) ? name : QString();
}

} // namespace

bool RegToolOptions::parse(const QStringList& args, const QStringList& allowed, int positionalCount) {
    QStringList seen;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString name = switchName(args[i]);
        if (name.isEmpty()) {
            positional << args[i];
            continue;
        }
        if (!allowed.contains(name) || seen.contains(name))
            return false;
        seen << name;
        const bool takesArgument = name == QLatin1String("v") || name == QLatin1String("t") ||
                                   name == QLatin1String("d");
        QString argument;
        if (takesArgument) {
            if (++i >= args.size())
                return false;
            argument = args[i];
        }
        if (name == QLatin1String("v")) {
            valueName = true;
            this->name = argument;
        } else if (name == QLatin1String("t")) {
            typeGiven = true;
            type = argument;
        } else if (name == QLatin1String("d")) {
            dataGiven = true;
            data = argument;
        } else {
            defaultValue = defaultValue || name == QLatin1String("ve");
            allValues = allValues || name == QLatin1String("va");
            recursive = recursive || name == QLatin1String("s");
            force = force || name == QLatin1String("f");
            overwrite = overwrite || name == QLatin1String("y");
        }
    }
    if (int(valueName) + int(defaultValue) + int(allValues) > 1)
        return false;
    return positional.size() == positionalCount;
}
