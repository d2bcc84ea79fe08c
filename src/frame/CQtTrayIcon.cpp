#include "frame/CQtTrayIcon.h"

#include <QSystemTrayIcon>

CQtTrayIcon::CQtTrayIcon() = default;

CQtTrayIcon::~CQtTrayIcon() = default;

bool CQtTrayIcon::IsAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void CQtTrayIcon::Add(const QIcon& icon, const QString& tip, QMenu* menu) {
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (reason == QSystemTrayIcon::Trigger ||
                                 reason == QSystemTrayIcon::DoubleClick)
                                 Clicked();
                         });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void CQtTrayIcon::Remove() {
    if (m_icon)
        m_icon->hide();
}

bool CQtTrayIcon::IsAdded() const { return m_icon && m_icon->isVisible(); }
