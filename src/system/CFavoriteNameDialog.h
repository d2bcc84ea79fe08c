#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the name of a new or renamed favorites folder or link. OK needs
// a name that is not blank.
class CFavoriteNameDialog : public QDialog {
    Q_OBJECT

public:
    CFavoriteNameDialog(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& name);

    // Asks for a folder name (title: the dialog's caption) and makes that
    // folder in parentFolder of the Favorites tree at root, telling the user
    // when it cannot. Returns the new folder's path, empty when none was
    // made.
    static QString MakeFolder(QWidget* parent, const QString& title, const QString& root,
                              const QString& parentFolder);

    QString Name() const;
    QLineEdit* NameEdit() const { return m_name; }

public slots:
    void accept() override;

private:
    QLineEdit* m_name;
};
