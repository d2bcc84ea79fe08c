#pragma once

#include "addressbar/IAddressBarOwner.h"
#include "frame/CWindowBar.h"
#include "frame/ReBarLayout.h"
#include "frame/WindowBarModel.h"
#include "frame/WindowPlacement.h"
#include "framework/CommandTarget.h"
#include "platform/instance/InstanceProtocol.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CAddressBar;
class CAddressBarCommands;
class CBandSlot;
class CBrowserView;
class CChildFrame;
class CFavoritesAndLinkGroups;
class CFullScreen;
class CWindowManager;
class CBusyAnimation;
class CClosedWindowsMenu;
class CLinkBar;
class COptionsCommands;
class CQuickCommandCommands;
class CReBarArea;
class CSettingsApplier;
class CStandardToolBar;
class CommandBinder;
class IMainFrameHost;
class IdleUpdater;
class MenuBuilder;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace platform {
class InstanceServer;
class RegKey;
} // namespace platform

// The program's main window: the area of the browser windows (MDI children
// on a tiled background) with the main menu, two rebars (the top and bottom
// tool-bar areas, one QToolBar per band: 1007 standard buttons, 1008
// address, 1009 busy animation, 1010 window bar, 1014 links; the top bars
// are named "band<id>"), and the status bar. It keeps the layout of the
// bars, the standard toolbar's buttons and its own placement in the
// settings key between runs, answers the instance messages of later starts,
// and shuts the program down in a fixed order.
//
// The frame is the "main frame" target of the host's command router from
// Create() until it is destroyed. The host must outlive the frame.
class CMainFrame : public QMainWindow, public CommandTarget, private IAddressBarOwner {
    Q_OBJECT

public:
    // The title and address of a browser window noted while closing.
    struct WindowNote {
        QString title;
        QString address;
    };
    using MenuFactory = std::function<QMenu*()>;

    explicit CMainFrame(IMainFrameHost& host, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds the menus, bars and areas in their fixed order and restores the
    // saved bar layout. Returns false when a step failed; the program then
    // does not start.
    bool Create();

    // Adds a feature that handles commands of its own; the frame owns it and
    // routes commands to it after its own handlers. Returns the feature.
    template <class Feature, class... Args>
    Feature& AddFeature(Args&&... args) {
        auto feature = std::make_unique<Feature>(std::forward<Args>(args)...);
        Feature& added = *feature;
        m_features.push_back(std::move(feature));
        return added;
    }

    // Saves the settings record, then applies one category of it: 0 the
    // address box (completion), 1 the window bar, 4 the search hook. Other
    // categories only save.
    void ApplySettings(int category);
    // What applies the settings to this window (without saving).
    CSettingsApplier& SettingsApplier() const { return *m_settingsApplier; }
    // The options sheet's commands (32798, 33289).
    COptionsCommands& Options() const { return *m_options; }

    // The busy animation of the top rebar: on loops it, off shows frame 0.
    void SetBusyAnimation(bool on);
    bool IsBusyAnimationPlaying() const;

    // The widget that normally sits in a band (1007 standard toolbar, 1008
    // address bar, 1009 first animation, 1010 window bar, 1014 link bar);
    // null for any other id.
    QWidget* BandChild(std::uint32_t bandId) const;
    // The bar of a band of the top rebar (null for an unknown id).
    QToolBar* BandBar(std::uint32_t bandId) const;
    bool IsBandVisible(std::uint32_t bandId) const;
    void ShowBand(std::uint32_t bandId, bool show);

    // Fills the link bar anew from the Links folder of the Favorites.
    // Returns the number of buttons.
    int RefillLinkBar();

    // The caption: the application title, with the offline mark while the
    // program works offline.
    void SetOfflineIndication(bool offline);
    QString BaseTitle() const;
    // Sets the caption anew from the active browser window (see
    // FrameCaption); it follows the windows by itself otherwise.
    void RefreshCaption();

    // The address band's contents and its address box.
    QWidget* AddressBarPlaceholder() const;
    CAddressBar* AddressBar() const { return m_address; }
    QComboBox* AddressBox() const;
    void FocusAddressBar();
    // The commands of the address bar and its lists (after Create()); the
    // frame consults them before its own.
    CAddressBarCommands* AddressCommands() const { return m_addressCommands.get(); }

    bool onCommand(unsigned id) override;
    bool onUpdateCommand(CommandState& state) override;
    bool hasCommandHandler(unsigned id) const override;

    // Puts the window bar at position (0 hidden, 1 top, 2 bottom; others
    // count as top), stores it as TabPosition and applies category 1. A
    // request for the current position does nothing unless forced.
    void PlaceWindowBar(int position, bool force = false);
    CWindowBar* WindowBar() const { return m_windowBar; }
    // The management of the browser windows: closing, activation, the
    // Window menu, the context menus and the window bar's commands.
    CWindowManager& Windows() const { return *m_windows; }
    // The tabs of the browser windows, one per window in tab order.
    WindowBarModel& WindowBarTabs() { return m_windowBarTabs; }

    // The active browser window's frame and view (the current window of the
    // window area); null when none is active.
    CChildFrame* ActiveChildFrame() const;
    CBrowserView* ActiveView() const;
    int PreviousTabPosition() const { return m_previousTabPosition; }

    // Opens the customise dialog of the standard toolbar.
    void CustomizeToolbar();

    // The menu a drop-down button of command opens now, or null.
    QMenu* DropDownMenu(unsigned command) const;
    // Where the back/forward history and the editor drop-downs come from
    // (the active view and the editor list); without one they show nothing.
    void SetHistoryMenuFactory(std::function<QMenu*(bool forward)> factory);
    void SetEditorsMenuFactory(MenuFactory factory);

    // Start-up: applies a saved placement (minimised becomes normal and is
    // moved, maximised stays maximised unmoved, others are moved) and
    // returns the show command to show the window with.
    std::uint32_t ApplyPlacement(const WindowPlacement& saved);
    // The same for the placement saved in the settings; kShowNormal without
    // a usable one.
    std::uint32_t RestorePlacement();
    // Shows the window as a show command says (maximised, minimised or
    // normal).
    void ShowWithCommand(std::uint32_t showCmd);
    // The placement of the window now, in the saved record's form.
    WindowPlacement CurrentPlacement() const;

    // The main window's instance socket, named by mainWindowId: later starts
    // hand their address over through it. folder empty: the default instance
    // folder. Returns false with a message in error when it cannot listen.
    bool StartInstanceServer(platform::InstanceId mainWindowId, const QString& folder = QString(),
                             QString* error = nullptr);
    const QString& PendingAddress() const { return m_pendingAddress; }

    // Set once the close has been confirmed; never cleared while it goes on.
    bool IsClosing() const { return m_closing; }
    // Closes as the user's exit does, but without the exit question: the
    // desktop session is ending or the process was asked to stop.
    void CloseForSessionEnd();

    // The layout of the top rebar as it would be saved now.
    ReBarLayout CurrentReBarLayout() const;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CStandardToolBar* StandardToolBar() const { return m_toolBar; }
    CLinkBar* LinkBar() const { return m_linkBar; }
    CommandBinder& Binder() const { return *m_binder; }
    IdleUpdater& Idle() const { return *m_idle; }
    const MenuBuilder& Menus() const { return *m_menuBuilder; }
    CReBarArea& TopReBar() const { return *m_top; }
    CReBarArea& BottomReBar() const { return *m_bottom; }
    QLabel* StatusPane() const { return m_statusPane; }
    // Popups of the main menu that other parts fill when they open.
    QMenu* FavoritesMenu() const { return m_favoritesMenu; }
    QMenu* WindowMenu() const { return m_windowMenu; }
    QMenu* ClosedWindowsMenu() const { return m_closedWindowsMenu; }
    QMenu* LinkGroupsMenu() const { return m_linkGroupsMenu; }
    QMenu* LinkGroupAddMenu() const { return m_linkGroupAddMenu; }
    // The Favorites and link-group menus and commands (after Create()).
    CFavoritesAndLinkGroups* Links() const { return m_links.get(); }

protected:
    // The active browser window's title and address, noted when closing
    // begins and added to the recently closed windows once the windows are
    // closed; empty while no browser window is active.
    virtual WindowNote NoteActiveWindow() const;

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QMenu* createPopupMenu() override;

    // The address bar's owner.
    void NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) override;
    bool FocusPage() override;
    CAppSettings& AddressBarSettings() override;
    QString ActivePageAddress() const override;
    IErrorReporter* AddressBarErrorReporter() override;
    void ShowAddressBarMenu(const QPoint& globalPos) override;

private:
    bool createMenus();
    void createStandardToolBar(const platform::RegKey& settings);
    void createBandWidgets();
    void createTopReBar(const platform::RegKey& settings);
    void createStatusBar();
    void createBottomReBar();
    void registerCommands();
    void registerBandToggle(unsigned command, std::uint32_t bandId, std::uint32_t otherBandId);
    void setStatusText(const QString& text);
    bool isChildMaximized() const;
    void applyLock(bool locked);
    void reloadImages();

    bool confirmExit();
    void saveLayout();
    void handleNavigate(const QString& address);
    void showHandedOver();
    void keepWindowBarBand(bool minimized);
    void fitStretchingBands();

    IMainFrameHost& m_host;
    WindowBarModel m_windowBarTabs;
    std::unique_ptr<CWindowManager> m_windows;
    std::unique_ptr<CClosedWindowsMenu> m_closedWindows;
    CommandBinder* m_binder;
    std::unique_ptr<MenuBuilder> m_menuBuilder;
    IdleUpdater* m_idle = nullptr;
    std::unique_ptr<CReBarArea> m_top;
    std::unique_ptr<CReBarArea> m_bottom;
    std::unique_ptr<CSettingsApplier> m_settingsApplier;
    std::unique_ptr<COptionsCommands> m_options;
    std::unique_ptr<CQuickCommandCommands> m_quickCommands;
    // Features hanging off the frame that handle commands of their own (the
    // tray, full screen, the explorer bar's host, ...). Asked in the order
    // they were added, after the frame's own handlers. Destroyed before the
    // frame's children.
    std::vector<std::unique_ptr<CommandTarget>> m_features;
    CFullScreen* m_fullScreen = nullptr; // one of m_features

    QMdiArea* m_mdiArea = nullptr;
    CStandardToolBar* m_toolBar = nullptr;
    QToolBar* m_addressBand = nullptr;
    CAddressBar* m_address = nullptr;
    std::unique_ptr<CAddressBarCommands> m_addressCommands;
    std::unique_ptr<CFavoritesAndLinkGroups> m_links;
    QToolBar* m_animationBand = nullptr;
    CBusyAnimation* m_animation = nullptr;
    QToolBar* m_windowBarBand = nullptr;
    CBandSlot* m_topWindowSlot = nullptr;
    QToolBar* m_bottomWindowBarBand = nullptr;
    CBandSlot* m_bottomWindowSlot = nullptr;
    QToolBar* m_bottomAnimationBand = nullptr;
    CBusyAnimation* m_animation2 = nullptr;
    CWindowBar* m_windowBar = nullptr;
    QWidget* m_windowBarPlaceholder = nullptr;
    CLinkBar* m_linkBar = nullptr;
    QLabel* m_statusPane = nullptr;

    QMenu* m_favoritesMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_closedWindowsMenu = nullptr;
    QMenu* m_linkGroupsMenu = nullptr;
    QMenu* m_linkGroupAddMenu = nullptr;
    std::function<QMenu*(bool forward)> m_historyMenuFactory;
    MenuFactory m_editorsMenuFactory;

    // Fits the address band and the bottom window bar band to their rows
    // once the bars have been laid out.
    QTimer* m_bandFit = nullptr;
    platform::InstanceServer* m_instanceServer = nullptr;
    QString m_pendingAddress;

    bool m_created = false;
    bool m_closing = false;
    bool m_sessionEnding = false; // closing without the exit question
    // The exit question is open (a second close meanwhile is refused).
    bool m_askingToExit = false;
    bool m_offline = false;
    int m_previousTabPosition = -1;
    // The window bar's band as it was when the window was minimised.
    bool m_minimized = false;
    bool m_windowBandSaved = false;
    QSize m_savedWindowBandMinimum;
};
