#pragma once

#include "app/CAppSettings.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandRouter.h"
#include "framework/CommandTarget.h"

#include <QPair>
#include <QStringList>

#include <functional>
#include <vector>

// An application stand-in for the main frame: its own settings record and
// router, and a record of what the frame asked of it.
class StandInHost : public IMainFrameHost {
public:
    StandInHost() { router.setApplication(&application); }

    CAppSettings& Settings() override { return settings; }
    CommandRouter& Router() override { return router; }
    void SaveCurrentSession() override { ++sessionSaves; }
    void AddClosedWindow(const QString& title, const QString& address) override {
        if (onAddClosedWindow)
            onAddClosedWindow();
        closedWindows.push_back({title, address});
    }
    void OpenHandedOverAddress(const QString& address) override { handedOver << address; }
    void OpenDroppedFile(const QString& path) override { droppedFiles << path; }
    void NavigateAddress(const QString& address, bool newWindow) override {
        navigated << (newWindow ? "new:" : "") + address;
    }
    bool IsOffline() const override { return offline; }

    CAppSettings settings;
    QStringList navigated;
    CommandRouter router;
    CommandTarget application;
    // Runs when the frame adds a closed window, before it is recorded.
    std::function<void()> onAddClosedWindow;
    int sessionSaves = 0;
    std::vector<QPair<QString, QString>> closedWindows;
    QStringList handedOver;
    QStringList droppedFiles;
    bool offline = false;
};
