#pragma once

#include "frame/ITrayIcon.h"

class QSystemTrayIcon;

// The notification-area icon through QSystemTrayIcon (a StatusNotifierItem
// or an embedded icon, whatever the desktop offers). The Qt icon is made on
// the first Add, so a program that never minimises to the tray talks to no
// notification area at all.
class CQtTrayIcon final : public ITrayIcon {
public:
    CQtTrayIcon();
    ~CQtTrayIcon() override;

    bool IsAvailable() const override;
    void Add(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void Remove() override;
    bool IsAdded() const override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
