#pragma once

#include "TestHttpServer.h"
#include "platform/registry/RegKey.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the whole-program session tests share: the settings every run needs,
// reading a run's session record, opening pages in the running program, and
// waiting while the test's own web server keeps serving.
namespace sessionsite {

// No default-browser or exit question; addresses handed over open in new
// windows.
void prepareSettings();
platform::RegKey settings();

QString sessionKeyPath(qint64 pid);
bool sessionKeyExists(qint64 pid);
// The addresses in the session record of the run with process id pid.
QStringList recordedAddresses(qint64 pid);

// Hands url to the running instance (it opens a new window); the event loop
// of the test keeps running meanwhile. Returns whether an instance took it.
bool openInNewWindow(const QString& url);

// Runs the event loop until done() holds or timeoutMs passed; done()'s last
// value.
bool spinUntil(const std::function<bool()>& done, int timeoutMs);

// A page titled title. script is run once the page has loaded.
QByteArray pageHtml(const QString& title, const QString& script = QString());

// Whether the registry database at path passes SQLite's integrity check.
bool registryIntact(const QString& path, QString* report = nullptr);

} // namespace sessionsite
