#pragma once

#include "platform/registry/RegTypes.h"

#include <QComboBox>
#include <QString>

class IErrorReporter;
class QCompleter;
class QMenu;
class TypedAddressList;
namespace platform {
class Registry;
}

// The address box: an editable combo box whose list is the typed-address
// history (most recent first), with the page picture at the left end of its
// text field.
//
// The box's text belongs to the user while they edit it: the history's
// changes never alter the text, and SetText from the program is refused while
// the box has the focus and its text was edited since the program last set
// it (see IsUserEditing).
//
// Every change of the history is written to the registry at once, so no
// crash loses it. Picking an entry from the list (also by the arrow keys in
// the closed box) moves it to the top and emits addressChosen.
class CAddressComboBox : public QComboBox {
    Q_OBJECT

public:
    // registry null means the process's own registry; it must outlive this.
    explicit CAddressComboBox(QWidget* parent = nullptr, platform::Registry* registry = nullptr);

    // Where a failed write of the history is shown (not owned; null: nothing).
    void SetErrorReporter(IErrorReporter* reporter) { m_reporter = reporter; }

    TypedAddressList& List() const { return *m_list; }

    // Trims the text and, with ctrl, completes a bare name to
    // "www." + name + ".com" (see ::CompleteAddress); the result stays
    // selected whole. Blank text is left as it is (false).
    bool CompleteAddress(bool ctrl);
    // Puts url at the top of the history (see TypedAddressList) and saves it.
    void AddToAddressList(const QString& url);
    // Reads the history from the registry (at creation and after the
    // Internet options have run); the box's text stays.
    void LoadTypedUrls();
    // Writes the history to the registry; a failure goes to the reporter.
    platform::RegError SaveTypedUrls() const;
    // Deletes the history from the registry and empties the list and the text.
    platform::RegError ClearTypedUrls();

    // Completion of typed text from the history: a list under the box of the
    // entries that contain the text, ignoring case. Off: no completion.
    void SetAutoComplete(bool on);
    bool AutoComplete() const;

    // The program's text for the box (the address of the page). Refused while
    // IsUserEditing(); the text then only becomes what UndoEdit returns to.
    // selectAll: the new text is selected whole. Returns whether it was set.
    bool SetText(const QString& text, bool selectAll = false);
    // Shows text as the user's own (the completed or translated address
    // about to be opened): selected whole, not marked as edited.
    void ShowSubmitted(const QString& text);
    // Escape: the text returns to the last one the program gave, selected.
    void UndoEdit();
    // Whether the box has the focus of its window and the user has changed
    // the text since the program last set it.
    bool IsUserEditing() const;
    // The box or one of its children is its window's focus widget (also
    // while another program is active).
    bool HasFocus() const;
    // The text field has a non-empty selection.
    bool HasSelection() const;
    // The clipboard holds text.
    static bool CanPaste();

    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void SelectAll();

    // The text field's context menu: cut, copy, paste, delete, select all
    // and the clearing of the history (clearRequested). Owned by parent.
    QMenu* CreateEditMenu(QWidget* parent);

signals:
    // An entry picked from the list; it is at the top of the list now.
    void addressChosen(const QString& address);
    // The user asked to clear the history from the context menu.
    void clearRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void onActivated(int row);
    void onEdited();
    void showEditMenu(const QPoint& pos);
    // Runs change on the history, then gives the text field back the text,
    // cursor and selection it had (the combo box would put the current
    // entry's text in).
    template <class Change> void keepingText(Change change);

    TypedAddressList* m_list;
    IErrorReporter* m_reporter = nullptr;
    QCompleter* m_completer = nullptr;
    QString m_lastSet;
    bool m_edited = false;
};
