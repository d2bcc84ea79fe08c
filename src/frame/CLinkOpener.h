#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include <functional>

class CBrowserView;
class IMainFrameHost;

// Opens the addresses of the Favorites, link-group and link bar items:
// - Open(): a new window of the wanted engine when a new window is wanted
//   or none is active; a new second-engine window when that engine is
//   wanted and the active window is not one; otherwise the active window;
// - OpenInNewWindows(): each address in a new activated window.
// The keys held when a command runs decide "new window" (Shift) and "second
// engine" (Ctrl, when that engine is installed).
class CLinkOpener {
public:
    using ModifierSource = std::function<Qt::KeyboardModifiers()>;
    using ViewSource = std::function<CBrowserView*()>;

    // host must outlive the opener; activeView gives the active browser
    // window (null without one).
    CLinkOpener(IMainFrameHost& host, ViewSource activeView);

    void Open(const QString& url, bool newWindow, bool secondEngine);
    void OpenInNewWindows(const QStringList& urls, int engine);

    // The keys held now (the keyboard's state unless a test set a source).
    Qt::KeyboardModifiers Modifiers() const;
    void SetModifierSource(ModifierSource source) { m_modifiers = std::move(source); }
    // Shift held.
    bool ShiftHeld() const { return Modifiers().testFlag(Qt::ShiftModifier); }
    // Ctrl held and the second engine installed.
    bool SecondEngineWanted() const;

private:
    IMainFrameHost& m_host;
    ViewSource m_activeView;
    ModifierSource m_modifiers;
};
