#pragma once

#include <QString>
#include <QStringList>

// Runs an external program and waits for it, never longer than a time-out.
// An interface so that tests can record the calls instead of touching the
// desktop.
class ICommandRunner {
public:
    virtual ~ICommandRunner() = default;
    // Runs program (looked up in PATH) with arguments and waits at most
    // timeoutMs. Returns its exit code, or -1 when it could not be started,
    // crashed or ran out of time (it is then killed).
    virtual int run(const QString& program, const QStringList& arguments, int timeoutMs) = 0;
};

// The real runner on QProcess; works without an event loop.
class ProcessCommandRunner : public ICommandRunner {
public:
    int run(const QString& program, const QStringList& arguments, int timeoutMs) override;
};
