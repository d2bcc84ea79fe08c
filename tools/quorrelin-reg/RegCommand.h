#pragma once

#include "RegToolOptions.h"

#include "platform/registry/RegTypes.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace platform {
class Registry;
}

// One run of quorrelin-reg: query, add, delete, export or import on the
// registry, with the verbs and switches of the Windows registry console tool.
// It never asks questions (no input is read): where that tool would ask, this
// one refuses unless /f (or /y for export) is given.
//
// Output goes to out, messages of failure ("ERROR: ...") to err; run()
// returns the exit status, 0 on success and 1 on failure.
class RegCommand {
public:
    // registry null means platform::Registry::instance().
    RegCommand(QTextStream* out, QTextStream* err, platform::Registry* registry = nullptr)
        : out_(out), err_(err), registry_(registry) {}

    // arguments without the program name.
    int run(const QStringList& arguments);

    static QString usage();

private:
    int query(const RegToolOptions& options);
    int add(const RegToolOptions& options);
    int remove(const RegToolOptions& options);
    int exportKey(const RegToolOptions& options);
    int importFile(const RegToolOptions& options);

    // Parses KEY; on failure reports "Invalid key name" and returns false.
    bool parseKey(const QString& text, platform::RegRoot* root, QString* path);
    // The data of /t and /d as stored bytes; false after reporting an error.
    bool valueFromOptions(const RegToolOptions& options, platform::RegValue* value);
    // Whether the registry can be used for the verb; reports why not.
    bool registryReady(bool forWriting = false);
    platform::Registry& registry() const;

    int fail(const QString& message);
    int failRegistry(platform::RegError error);
    int invalidSyntax();
    int succeed();

    QTextStream* out_;
    QTextStream* err_;
    platform::Registry* registry_;
};
