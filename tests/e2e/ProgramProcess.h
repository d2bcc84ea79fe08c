#pragma once

#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

// One run of the program for a whole-program test: started with the test's
// private registry and runtime folder (inherited from the test process's
// environment), killed when the object goes if still running.
class ProgramProcess {
public:
    explicit ProgramProcess(const QStringList& arguments = {}) {
        process_.setProgram(QStringLiteral(QUORRELIN_PROGRAM));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        process_.waitForStarted(10000);
    }
    ~ProgramProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    qint64 pid() const { return process_.processId(); }
    bool running() const { return process_.state() == QProcess::Running; }
    QString socketPath() const {
        return platform::InstanceFolder::location() + "/" + QString::number(pid()) + ".sock";
    }
    // Waits until the program's main window listens for other starts. The
    // test's own event loop keeps running meanwhile (servers of the test
    // live there).
    bool waitListening(int timeoutMs = 30000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs && running()) {
            if (QFile::exists(socketPath()) &&
                platform::InstanceClient().isRunningInstance(
                    static_cast<platform::InstanceId>(pid())))
                return true;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        }
        return false;
    }
    bool waitFinished(int timeoutMs) { return process_.waitForFinished(timeoutMs); }
    int exitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    void terminate() { ::kill(static_cast<pid_t>(pid()), SIGTERM); }
    void killHard() {
        ::kill(static_cast<pid_t>(pid()), SIGKILL);
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
};
