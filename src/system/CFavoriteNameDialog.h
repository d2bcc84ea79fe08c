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

    QString Name() const;
    QLineEdit* NameEdit() const { return m_name; }

public slots:
    void accept() override;

private:
    QLineEdit* m_name;
};
