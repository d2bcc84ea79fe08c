#pragma once

#include "app/SendMailRequest.h"

#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class ICommandRunner;
class QObject;

// The running mail threads: one short-lived thread per mail, each owning its
// request. The owner does not wait for a mail; finished threads are joined
// when the next mail starts and when the owner goes.
//
// A thread's result reaches the report function on the thread of receiver
// (the user-interface thread), posted there; reports still queued when the
// receiver or this owner is gone are dropped.
class SendMailThreads {
public:
    // Called with the result code of every mail (see SendMailThread.h).
    using Report = std::function<void(int result)>;
    // Makes the runner for one mail (called on the requesting thread).
    using RunnerFactory = std::function<std::shared_ptr<ICommandRunner>()>;

    // receiver: a QObject living on the thread the reports are to run on.
    SendMailThreads(QObject* receiver, Report report);
    // Joins the finished threads. A thread still waiting for the mail
    // program is left to finish on its own: it owns everything it uses and
    // reports nothing any more.
    ~SendMailThreads();
    SendMailThreads(const SendMailThreads&) = delete;
    SendMailThreads& operator=(const SendMailThreads&) = delete;

    // Replaces the runner (tests); an empty factory restores real processes.
    void SetRunnerFactory(RunnerFactory factory);

    // Starts a thread for request. False when no thread could be started
    // (the attachment is then deleted here).
    bool Start(SendMailRequest request);

    // Threads started and not yet joined.
    int Running() const;
    // Waits until every thread has finished (tests).
    void JoinAll();

private:
    struct Gate;
    struct Entry;
    void JoinFinished();

    std::shared_ptr<Gate> gate_;
    RunnerFactory runnerFactory_;
    std::vector<std::unique_ptr<Entry>> threads_;
};
