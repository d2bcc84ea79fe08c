#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Starts desktop programs and asks desktop tools. An interface so that tests
// record the calls instead of touching the desktop.
class IProgramLauncher {
public:
    virtual ~IProgramLauncher() = default;
    // Runs program (looked up in PATH) and waits at most timeoutMs. Its
    // standard output (at most 64 KiB) when it ran and exited with 0;
    // nullopt otherwise.
    virtual std::optional<QString> output(const QString& program, const QStringList& arguments,
                                          int timeoutMs) = 0;
    // Starts program without waiting for it; false when it cannot start.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
};

// The real launcher on QProcess.
class ProcessLauncher : public IProgramLauncher {
public:
    std::optional<QString> output(const QString& program, const QStringList& arguments,
                                  int timeoutMs) override;
    bool start(const QString& program, const QStringList& arguments) override;

    // The process's own launcher.
    static IProgramLauncher& instance();
};
