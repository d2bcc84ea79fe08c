#include "SessionSite.h"

#include "app/SettingsPaths.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/instance/InstanceClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <sqlite3.h>

#include <chrono>
#include <future>

using namespace platform;

namespace sessionsite {

RegKey settings() {
    return RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
}

void prepareSettings() {
    settings().setDword("CheckDefaultBrowser", 0);
    settings().setDword("ConfirmExitApp", 0);
    settings().setDword("OpenInNewWindow", 1);
    settings().setDword("DisplaySplash", 0);
}

QString sessionKeyPath(qint64 pid) {
    return QString::fromUtf16(kSessionsKeyPath) + "\\" + QString::number(pid);
}

bool sessionKeyExists(qint64 pid) {
    return RegKey::open(RegRoot::CurrentUser, sessionKeyPath(pid)).isValid();
}

QStringList recordedAddresses(qint64 pid) {
    LinkGroup group;
    ReadLinkGroup(RegKey::open(RegRoot::CurrentUser, sessionKeyPath(pid)), &group);
    QStringList urls;
    for (const LinkGroupLink& link : group.Links)
        urls << link.URL;
    return urls;
}

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

bool openInNewWindow(const QString& url) {
    // The hand-over blocks until the program answers, which may take a page
    // request to this process's server: it runs on another thread.
    auto future = std::async(std::launch::async, [url] { return InstanceClient().handOver(url); });
    spinUntil([&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
              30000);
    return future.get();
}

QByteArray pageHtml(const QString& title, const QString& script) {
    QString html = "<html><head><title>" + title + "</title></head><body><p>" + title + "</p>";
    if (!script.isEmpty())
        html += "<script>window.addEventListener('load', function() {" + script + "});</script>";
    return (html + "</body></html>").toUtf8();
}

bool registryIntact(const QString& path, QString* report) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        if (report)
            *report = "cannot open";
        return false;
    }
    sqlite3_stmt* statement = nullptr;
    QString result;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW)
            result += QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (report)
        *report = result;
    return result == "ok";
}

} // namespace sessionsite
