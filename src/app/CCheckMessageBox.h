#pragma once

#include "framework/MessageBoxStyle.h"
#include "framework/ScriptableDialog.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QString>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

// The program's message box: an icon, a message, up to three of the buttons
// Yes, No, Cancel and OK, and an optional check box "do not show this dialog
// again". Every question and error of the program is shown through it, and it
// runs through the DialogRunner (so tests answer it without a window).
//
// style is a message-box style (framework/MessageBoxStyle.h): the button type
// in the low four bits chooses the buttons (a type with bit 4 shows Yes and
// No; else a type with bit 1 or 2 shows Yes, No and Cancel; type 0 shows OK),
// the icon bits choose a system icon and its sound; without icon bits the
// box shows the application's icon silently.
//
// Results are the button ids IDYES, IDNO, IDOK, IDCANCEL. The show-again flag
// is 1 when the check box was not ticked and 0 when it was; it is recorded
// whenever the box closes.
class CCheckMessageBox : public QDialog, public ScriptableDialog {
    Q_OBJECT

public:
    // Control ids (also the object names of the controls).
    static constexpr int IconControl = 10019;
    static constexpr int MessageControl = 10015;
    static constexpr int CheckBoxControl = 10020;

    enum class IconKind { Application, Stop, Question, Exclamation, Information };
    using SoundPlayer = std::function<void(IconKind)>;

    // title: empty means the application's title. icon: a null icon means the
    // icon chosen by the style. checkBoxText: empty keeps the box's own text.
    CCheckMessageBox(QWidget* parent, const QString& message, unsigned style = MB_OK,
                     bool showCheckBox = false, const QString& title = QString(),
                     const QIcon& icon = QIcon(), const QString& checkBoxText = QString());
    // The same with the message taken from the string table.
    CCheckMessageBox(QWidget* parent, unsigned messageId, unsigned style = MB_OK,
                     bool showCheckBox = false, const QString& title = QString(),
                     const QIcon& icon = QIcon(), const QString& checkBoxText = QString());

    // Runs the box modally; returns the button pressed.
    int DoModal();
    // 1 when the check box was not ticked when the box closed, 0 when it was.
    int showAgain() const { return m_showAgain; }

    // Asks message with the check box shown and stores the show-again flag
    // into store (or setting); returns the button pressed.
    static int AskAndStore(QWidget* parent, const QString& message, unsigned style,
                           const std::function<void(int)>& store, const QString& title = QString(),
                           const QString& checkBoxText = QString());
    static int AskAndStore(QWidget* parent, const QString& message, unsigned style, int& setting,
                           const QString& title = QString(),
                           const QString& checkBoxText = QString());
    static int AskAndStore(QWidget* parent, unsigned messageId, unsigned style, int& setting,
                           const QString& title = QString(),
                           const QString& checkBoxText = QString());
    // The usual confirmation: when setting is 0 returns true without asking;
    // otherwise asks messageId with Yes, No and the question icon, stores the
    // show-again flag into setting and returns whether the answer was Yes.
    static bool Confirm(QWidget* parent, unsigned messageId, int& setting,
                        const QString& title = QString());

    // The buttons a style shows, in layout order from left to right.
    static QList<int> buttonsForStyle(unsigned style);
    static IconKind iconForStyle(unsigned style);
    // Replaces what plays the sound when a box with a system icon opens
    // (tests; the default beeps). An empty player restores the default.
    static void setSoundPlayer(SoundPlayer player);

    IconKind iconKind() const { return m_iconKind; }
    QList<int> shownButtons() const { return m_buttons; }
    // The button with result id, or nullptr for an id that is no button.
    QPushButton* button(int id) const;
    QCheckBox* checkBox() const { return m_checkBox; }
    QLabel* messageLabel() const { return m_message; }
    QLabel* iconLabel() const { return m_icon; }
    // Ten dialog units in pixels: the gap between the buttons.
    int buttonSpacing() const;

    int applyScriptedAnswer(const ScriptedAnswer& answer) override;
    QString scriptDescription() const override;

public slots:
    // Escape (and the title bar's close button): Cancel when Cancel is shown,
    // else No when No is shown, else nothing.
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void build(const QString& message, unsigned style, bool showCheckBox, const QString& title,
               const QIcon& icon, const QString& checkBoxText);
    QIcon pictureFor(const QIcon& custom) const;
    void initOnce();
    int dialogUnits(int units) const;

    QLabel* m_icon = nullptr;
    QLabel* m_message = nullptr;
    QCheckBox* m_checkBox = nullptr;
    QList<QPushButton*> m_allButtons; // OK, Yes, No, Cancel
    QList<int> m_buttons;             // the shown ones
    IconKind m_iconKind = IconKind::Application;
    int m_showAgain = 1;
    bool m_initialised = false;
    bool m_closed = false;
};
