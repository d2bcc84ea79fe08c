#pragma once

#include <QString>
#include <QStringList>

// The arguments of one quorrelin-reg operation after its verb: positional
// arguments (key, file) and the switches a Windows user knows from the
// registry console tool. Switches are case-insensitive and may start with
// '/' or '-'; only exact switch names count as switches, so an absolute file
// path such as /tmp/out.reg stays a positional argument.
struct RegToolOptions {
    QStringList positional;
    bool valueName = false; // /v NAME
    QString name;
    bool defaultValue = false; // /ve
    bool allValues = false;    // /va
    bool recursive = false;    // /s
    bool typeGiven = false;    // /t TYPE
    QString type;
    bool dataGiven = false; // /d DATA
    QString data;
    bool force = false;     // /f
    bool overwrite = false; // /y

    // Parses args. allowed lists the switches this verb takes, e.g.
    // {"v", "ve", "s"}; positionalCount is the exact number of positional
    // arguments. False on anything else (unknown or repeated switch, missing
    // switch argument, /v with /ve or /va, wrong count).
    bool parse(const QStringList& args, const QStringList& allowed, int positionalCount);
};
