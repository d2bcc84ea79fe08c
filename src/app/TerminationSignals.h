#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface
// thread, so that a desktop logout or `kill` closes the program the way the
// user's exit does (settings and layout saved, session marked as ended)
// instead of dropping everything. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};
