#pragma once

#include "framework/ScriptableDialog.h"
#include "system/IeSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The Internet options ("Internet 选项"): the start page (the browser
// settings' "Start Page"), the proxy server (ProxyEnable, ProxyServer) and
// two buttons that act at once: one empties the engine's cache, the other
// clears the history through the program's clear-history command.
//
// The dialog only edits: OK leaves the new values in StartPage() and
// Proxy(); the caller stores and applies them. A proxy switched on needs a
// server name (without blanks or ':'); OK refuses an empty one and puts the
// focus there.
class CInternetOptionsDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    struct Actions {
        std::function<void()> clearCache;
        std::function<void()> clearHistory;
        // Whether clearing the history is possible now.
        std::function<bool()> canClearHistory;
    };

    CInternetOptionsDialog(QWidget* parent, const QString& startPage, const ProxySettings& proxy,
                           Actions actions);

    QString StartPage() const;
    ProxySettings Proxy() const;

    QLineEdit* StartPageEdit() const { return m_startPage; }
    QCheckBox* ProxyBox() const { return m_proxyOn; }
    QLineEdit* ProxyHostEdit() const { return m_host; }
    QSpinBox* ProxyPortBox() const { return m_port; }
    QPushButton* ClearCacheButton() const { return m_clearCache; }
    QPushButton* ClearHistoryButton() const { return m_clearHistory; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    void accept() override;

private:
    void updateProxyControls();
    void clearCache();

    Actions m_actions;
    QLineEdit* m_startPage;
    QPushButton* m_useBlank;
    QCheckBox* m_proxyOn;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QPushButton* m_clearCache;
    QPushButton* m_clearHistory;
};
