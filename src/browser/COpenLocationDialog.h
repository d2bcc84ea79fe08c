#pragma once

#include "framework/ScriptableDialog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QPushButton;

// The open-location dialog (dialog 198, "打开"): an address or file in combo
// box 1005, whose list holds the address bar's entries; check box 10095
// opens it in a new window, check box 10094 with the second engine (enabled
// only while that engine is available); button 3 browses for a local HTML
// file.
//
// OK trims the text; an empty text keeps the dialog open without a message.
// Runs through the DialogRunner; a scripted answer presses OK or Cancel, or
// acts on the dialog.
class COpenLocationDialog : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    static constexpr int AddressControl = 1005;
    static constexpr int MozillaControl = 10094;
    static constexpr int NewWindowControl = 10095;
    static constexpr int BrowseButton = 3;

    struct Options {
        QStringList addresses; // the address bar's list, in order
        bool autoComplete = false;
        bool newWindow = false; // the OpenInNewWindow setting
        bool mozillaAvailable = false;
    };

    COpenLocationDialog(QWidget* parent, const Options& options);

    // What OK accepted: the trimmed text and the two choices (the engine
    // choice is false while the second engine is unavailable).
    const QString& Address() const { return m_address; }
    bool NewWindow() const { return m_newWindow; }
    bool UseMozilla() const { return m_useMozilla; }

    QComboBox* AddressBox() const { return m_combo; }
    QCheckBox* NewWindowBox() const { return m_newWindowBox; }
    QCheckBox* MozillaBox() const { return m_mozillaBox; }
    QPushButton* Browse() const { return m_browse; }

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    void accept() override;

private:
    void browse();

    QComboBox* m_combo;
    QCheckBox* m_newWindowBox;
    QCheckBox* m_mozillaBox;
    QPushButton* m_browse;
    QString m_address;
    bool m_newWindow = false;
    bool m_useMozilla = false;
};
