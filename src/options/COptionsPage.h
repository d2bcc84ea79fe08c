#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class CAppSettings;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// One page of the options sheet (CQuorrelinOptions). A page reads the
// settings into its controls the first time it is shown (Initialize), checks
// its input when the user leaves it (OnKillActive), and writes its controls
// back into the settings record when the sheet is applied (OnApply); the
// sheet then saves the record and re-applies it to the running windows.
//
// Controls carry their resource ids as object names ("10037"), so tests and
// the sheet find them by id (Control). While a page initialises, its enabling
// handlers run without marking it modified; afterwards every user change of
// a control marks it modified (which enables the sheet's Apply).
//
// The page keeps a reference to the settings record, which must outlive it.
class COptionsPage : public QWidget {
    Q_OBJECT

public:
    // dialogId: the page's dialog resource id; title: its tab text.
    COptionsPage(int dialogId, QString title, CAppSettings& settings, QWidget* parent = nullptr);

    int DialogId() const { return m_dialogId; }
    const QString& Title() const { return m_title; }

    // Makes the controls (the sheet does so for every page at once, so it
    // takes the size of the largest page); later calls do nothing.
    void Build();
    // Fills the controls from the settings once, the first time the page is
    // shown; later calls do nothing.
    void Initialize();
    bool IsInitialized() const { return m_initialized; }

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

    // Checks the input before the page is left or applied; on a fault shows
    // the message, puts the focus on the control at fault and returns false.
    virtual bool OnKillActive() { return true; }
    // Writes the controls into the settings record (without saving).
    virtual void OnApply() = 0;
    // The categories of CMainFrame::ApplySettings this page's settings need
    // after they were saved.
    virtual QList<int> ApplyCategories() const { return {}; }

    // The child control with resource id, or null.
    QWidget* Control(int id) const;
    template <class T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // The font of every options page: the desktop's default user-interface
    // font, enlarged from the usual 8-point dialog size to 8.5 points.
    static QFont PageFont();

signals:
    void modifiedChanged(bool modified);

protected:
    virtual void OnBuildPage() = 0;
    virtual void OnInitPage() = 0;

    CAppSettings& settings() const { return m_settings; }
    bool initializing() const { return m_initializing; }
    // Marks the page modified unless it is initialising.
    void markModified();

    // Controls named by their resource id; a change by the user marks the
    // page modified.
    QCheckBox* makeCheck(int id, const QString& text);
    QRadioButton* makeRadio(int id, const QString& text);
    QLineEdit* makeEdit(int id);
    // An edit for a number of at most digits digits, just wide enough.
    QLineEdit* makeNumberEdit(int id, int digits);
    QPushButton* makeButton(int id, const QString& text);

    // Shows message 51486 for the range min..max with the stop icon and
    // focuses edit with its text selected.
    void refuseRange(QLineEdit* edit, int min, int max);
    // Whether edit holds a decimal number within min..max.
    static bool holdsNumberIn(const QLineEdit* edit, int min, int max);

private:
    int m_dialogId;
    QString m_title;
    CAppSettings& m_settings;
    bool m_built = false;
    bool m_initialized = false;
    bool m_initializing = false;
    bool m_modified = false;
};
