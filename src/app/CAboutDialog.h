#pragma once

#include "framework/ScriptableDialog.h"

#include <QDialog>

class QLabel;

// The about box: the program's icon and name, the version line
// (programVersionText) and the version of the browser engine, with OK.
class CAboutDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    // engineVersion: the text shown for the engine ("Qt WebEngine 6.4.2,
    // Chromium 102.0..." for the real one).
    CAboutDialog(QWidget* parent, const QString& versionText, const QString& engineVersion);

    // The engine's version as the about box names it.
    static QString EngineVersionText();

    QLabel* VersionLabel() const { return m_version; }
    QLabel* EngineLabel() const { return m_engine; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

private:
    QLabel* m_version;
    QLabel* m_engine;
};
