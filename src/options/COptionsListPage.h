#pragma once

#include "options/COptionsPage.h"

#include <QList>
#include <QStringList>

class QTreeWidget;
class QVBoxLayout;

// An options page that edits a list in a list view of its own: New (10045),
// Edit (10042, also a double click) and Delete (10041) buttons, optional
// buttons that move the selected row up and down, and Import/Export of the
// list's exchange file. The page works on its own copy of the list; the
// settings change only when the sheet is applied.
//
// Edit and the moves are enabled while exactly one row is selected, Delete
// while at least one is. Every change of the list marks the page modified.
// Rows are the subclass's list entries, in list order; the subclass keeps
// the list and says how a row looks and how entries are made.
class COptionsListPage : public COptionsPage {
    Q_OBJECT

public:
    static constexpr int NewButton = 10045;
    static constexpr int EditButton = 10042;
    static constexpr int DeleteButton = 10041;

    struct Column {
        QString title;
        int width;
        bool alignRight = false;
    };

    COptionsListPage(int dialogId, QString title, CAppSettings& settings, int listId,
                     QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    // The selected rows, in ascending order.
    QList<int> SelectedRows() const;
    // Selects exactly row (none for -1).
    void SelectOnly(int row);

protected:
    // Builds the list view with columns below the controls added to top,
    // with the buttons beside it (moves: the up and down buttons).
    void buildList(QVBoxLayout* top, const QList<Column>& columns, bool moves);
    // Shows the subclass's rows anew; the selection is cleared.
    void refill();

    virtual int rowCount() const = 0;
    virtual QStringList rowTexts(int row) const = 0;
    // New: runs the entry dialog on a new entry; true when one was appended.
    virtual bool newEntry() = 0;
    // Edit: runs the entry dialog on row; true when it changed.
    virtual bool editEntry(int row) = 0;
    // Delete: the question for the selected rows (asked Yes/No).
    virtual QString deleteQuestion(const QList<int>& rows) const = 0;
    virtual void removeEntry(int row) = 0;
    virtual void swapEntries(int first, int second);
    // Import appends the file's entries (true when any came); export writes
    // the list as it stands on the page.
    virtual bool importEntries() = 0;
    virtual void exportEntries() = 0;

    // Marks the page modified and shows the rows anew.
    void listChanged(int selectRow = -1);

private:
    void updateButtons();
    void onNew();
    void onEdit();
    void onDelete();
    void onMove(int step);
    void onImport();

    int m_listId;
    QTreeWidget* m_list = nullptr;
};
