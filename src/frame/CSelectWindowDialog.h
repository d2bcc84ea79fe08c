#pragma once

#include <QDialog>

#include <vector>

class IWindowSelectionHost;
class QListWidget;
class QPushButton;

// The select-window dialog: the open windows in tab order in a list where
// each click adds or takes away one entry, the current window's entry
// selected at the start. OK (enabled with exactly one entry selected, also a
// double click then) closes the dialog with that entry's index; "close the
// selected windows" (enabled with at least one) closes them as one command,
// after the question when ConfirmCloseWindows is set, and lists the windows
// anew: locked windows stay listed. Cancel changes nothing.
//
// Object names for tests: the list "10055", the buttons "1" (OK), "2"
// (Cancel) and "3" (close the selected windows).
class CSelectWindowDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ListControl = 10055;
    static constexpr int CloseSelectedButton = 3;

    // confirmCloseWindows is the ConfirmCloseWindows setting; the question's
    // "do not ask again" box writes it. Both must outlive the dialog.
    CSelectWindowDialog(IWindowSelectionHost& host, int& confirmCloseWindows,
                        QWidget* parent = nullptr);

    // The tab index chosen with OK, -1 before (or without) it.
    int chosenIndex() const { return m_chosen; }
    // The selected entries' indexes, in ascending order.
    std::vector<int> selectedRows() const;

    QListWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* closeSelectedButton() const { return m_closeSelected; }

    // The "close the selected windows" button's action.
    void closeSelected();

public slots:
    void accept() override;

private:
    void fill();
    void updateButtons();

    IWindowSelectionHost& m_host;
    int& m_confirm;
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_closeSelected;
    int m_chosen = -1;
};
