#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// The link dialog (192): a link's name (10077) and URL (10080). OK needs
// both, trimmed, to be non-empty; the focus goes to the first empty one and
// the dialog stays open.
class CLinkDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int NameControl = 10077;
    static constexpr int UrlControl = 10080;

    CLinkDialog(QWidget* parent, const QString& name, const QString& url);

    // The trimmed texts.
    QString Name() const;
    QString Url() const;
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* UrlEdit() const { return m_url; }

public slots:
    void accept() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_url;
};
