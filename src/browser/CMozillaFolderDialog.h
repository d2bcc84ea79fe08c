#pragma once

#include <QFileDialog>

// The folder choice of the engine detection: titled with text 51489, it
// accepts only a folder that holds the engine's plug-in library (its OK
// button is disabled, and refused, for any other).
class CMozillaFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit CMozillaFolderDialog(QWidget* parent = nullptr);

    // The folder OK would choose now.
    QString CurrentFolder() const;

public slots:
    void accept() override;

private:
    void UpdateOkButton();
};
