#include "app/SendMailThreads.h"

#include "app/SendMailThread.h"
#include "system/CommandRunner.h"

#include <QFile>
#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <system_error>

// What a thread needs to report back, shared with every thread so that a
// thread outliving its owner finds the gate closed instead of a dead owner.
struct SendMailThreads::Gate {
    std::mutex mutex;
    QObject* receiver = nullptr;
    Report report;
    bool open = true;
};

struct SendMailThreads::Entry {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
};

SendMailThreads::SendMailThreads(QObject* receiver, Report report)
    : gate_(std::make_shared<Gate>()) {
    gate_->receiver = receiver;
    gate_->report = std::move(report);
}

SendMailThreads::~SendMailThreads() {
    {
        const std::lock_guard lock(gate_->mutex);
        gate_->open = false;
    }
    for (const std::unique_ptr<Entry>& entry : threads_) {
        if (!entry->thread.joinable())
            continue;
        if (entry->done->load())
            entry->thread.join();
        else
            entry->thread.detach();
    }
}

void SendMailThreads::SetRunnerFactory(RunnerFactory factory) {
    runnerFactory_ = std::move(factory);
}

bool SendMailThreads::Start(SendMailRequest request) {
    JoinFinished();
    const std::shared_ptr<ICommandRunner> runner =
        runnerFactory_ ? runnerFactory_() : std::make_shared<ProcessCommandRunner>();
    const QString attachment = request.attachmentPath;
    if (!runner) {
        if (!attachment.isEmpty())
            QFile::remove(attachment);
        return false;
    }
    auto entry = std::make_unique<Entry>();
    try {
        entry->thread = std::thread([request = std::move(request), runner, gate = gate_,
                                     done = entry->done]() mutable {
            const int result = RunSendMail(std::move(request), *runner);
            {
                const std::lock_guard lock(gate->mutex);
                if (gate->open && gate->receiver && gate->report) {
                    Report report = gate->report;
                    QMetaObject::invokeMethod(
                        gate->receiver, [report, result] { report(result); }, Qt::QueuedConnection);
                }
            }
            done->store(true);
        });
    } catch (const std::system_error&) {
        if (!attachment.isEmpty())
            QFile::remove(attachment);
        return false;
    }
    threads_.push_back(std::move(entry));
    return true;
}

int SendMailThreads::Running() const {
    return static_cast<int>(threads_.size());
}

void SendMailThreads::JoinAll() {
    for (const std::unique_ptr<Entry>& entry : threads_) {
        if (entry->thread.joinable())
            entry->thread.join();
    }
    threads_.clear();
}

void SendMailThreads::JoinFinished() {
    std::erase_if(threads_, [](const std::unique_ptr<Entry>& entry) {
        if (!entry->done->load())
            return false;
        if (entry->thread.joinable())
            entry->thread.join();
        return true;
    });
}
