#pragma once

#include <QToolButton>

#include <functional>

class QMenu;

// A toolbar button that may open a menu: a split button (the arrow opens the
// menu, the rest of the button runs its command) or a whole drop-down button
// (any press opens the menu). The menu is asked for at the moment it opens,
// so it can depend on the state of the program (the provider may return
// null: then nothing opens).
class CDropDownButton : public QToolButton {
    Q_OBJECT

public:
    using MenuProvider = std::function<QMenu*()>;

    explicit CDropDownButton(QWidget* parent = nullptr);

    // Split: MenuButtonPopup; whole: InstantPopup; plain: anything else.
    void setDropDownMode(QToolButton::ToolButtonPopupMode mode);
    void setMenuProvider(MenuProvider provider) { m_provider = std::move(provider); }

    // Opens the menu below the button as a press on the arrow does and
    // returns when it closes. Returns false when there is no menu to show.
    bool openDropDown();
    // The menu the provider gives now (without showing it).
    QMenu* dropDownMenu() const { return m_provider ? m_provider() : nullptr; }
    bool hasDropDown() const { return m_hasDropDown; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool onArrow(const QPoint& pos) const;

    MenuProvider m_provider;
    // Never shown: it only makes the style draw the arrow.
    QMenu* m_arrowMenu = nullptr;
    bool m_hasDropDown = false;
};
