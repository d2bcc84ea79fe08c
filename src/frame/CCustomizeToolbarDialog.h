#pragma once

#include "frame/ToolBarLayout.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The standard toolbar's customise dialog: the buttons that can be added
// (a separator, then the buttons of the customise list that are not on the
// toolbar: the extra table first, then the default table), the toolbar's
// current buttons, and Add, Remove, Move up, Move down and Reset. Reset
// gives exactly the default buttons. The caller applies result() when the
// dialog closes, however it closes (changes take effect as they are made).
//
// Object names for tests: "availableList", "currentList", "addButton",
// "removeButton", "upButton", "downButton", "resetButton", "closeButton".
class CCustomizeToolbarDialog : public QDialog {
    Q_OBJECT

public:
    explicit CCustomizeToolbarDialog(const ToolBarLayout& current, QWidget* parent = nullptr);

    ToolBarLayout result() const { return m_layout; }

    // The command ids of the available list, in order (0 for the separator).
    std::vector<std::uint32_t> availableCommands() const;

    // The actions of the buttons, on the selected rows.
    void addSelected();
    void removeSelected();
    void moveSelected(int delta);
    void resetToDefaults();

private:
    void fillLists(int currentRow);
    static QListWidgetItem* makeItem(std::uint32_t command);
    void updateButtons();

    ToolBarLayout m_layout;
    QListWidget* m_available;
    QListWidget* m_current;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
};
