#pragma once

#include "frame/ReBarLayout.h"
#include "frame/ToolBarLayout.h"

#include <QList>
#include <QToolBar>

#include <functional>

class CommandBinder;
class CDropDownButton;
class QAction;
class QMenu;

// The standard toolbar (the bar of band 1007): a row of buttons chosen from
// the two button tables, each carrying its command, with the toolbar
// pictures at 18 x 18. Drop-down buttons get their menus from the menu
// provider when they open.
class CStandardToolBar : public QToolBar {
    Q_OBJECT

public:
    using MenuProvider = std::function<QMenu*(unsigned command)>;

    static constexpr int kIconSize = 18;

    // binder must outlive the toolbar.
    explicit CStandardToolBar(CommandBinder& binder, QWidget* parent = nullptr);

    void setMenuProvider(MenuProvider provider) { m_menuProvider = std::move(provider); }

    // Replaces the buttons by those of layout (separators included).
    void setButtons(const ToolBarLayout& layout);
    // The buttons shown, in order.
    ToolBarLayout buttons() const { return m_layout; }
    // The 7 default buttons again.
    void resetButtons() { setButtons(ToolBarLayout::defaults()); }

    // The button of command, or null when it is not on the toolbar.
    CDropDownButton* buttonFor(unsigned command) const;
    // The command actions of the buttons (no separators), in order.
    QList<QAction*> commandActions() const;

    // What the default band layout needs: the first button's size and the
    // number of buttons.
    StandardButtonsMetrics metrics() const;

    // Draws the pictures anew (after a change of colours).
    void reloadImages();

signals:
    // The set of buttons changed (their actions were replaced).
    void buttonsChanged();

private:
    void clearButtons();
    void addButton(const ToolButtonInfo& info);

    CommandBinder& m_binder;
    MenuProvider m_menuProvider;
    ToolBarLayout m_layout;
    QList<CDropDownButton*> m_buttons;
};
