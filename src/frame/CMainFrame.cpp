#include "frame/CMainFrame.h"

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressBarCommands.h"
#include "addressbar/CAddressComboBox.h"
#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "app/IErrorReporter.h"
#include "app/SettingsPaths.h"
#include "browser/BrowserViewRules.h"
#include "browser/CBrowserView.h"
#include "explorerbar/CExplorerBarHost.h"
#include "frame/CAutoRefreshCommands.h"
#include "frame/CAlwaysOnTop.h"
#include "frame/CBandSlot.h"
#include "frame/CDropDownButtonCommands.h"
#include "frame/CInternetOptionsCommand.h"
#include "frame/CPageEditorCommands.h"
#include "frame/CPageVisibility.h"
#include "frame/CBusyAnimation.h"
#include "frame/CClosedWindowsMenu.h"
#include "frame/CChildFrame.h"
#include "frame/CCustomizeToolbarDialog.h"
#include "frame/CFavoritesAndLinkGroups.h"
#include "frame/CFullScreen.h"
#include "frame/CLinkBar.h"
#include "frame/CReBarArea.h"
#include "frame/CSettingsApplier.h"
#include "frame/CStandardToolBar.h"
#include "frame/CSystemTray.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "frame/WindowBarLayout.h"
#include "frame/DropDownMenus.h"
#include "frame/IMainFrameHost.h"
#include "frame/ToolBarLayout.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "framework/DialogRunner.h"
#include "framework/IdleUpdater.h"
#include "framework/MenuBuilder.h"
#include "framework/MessageBoxStyle.h"
#include "options/COptionsCommands.h"
#include "platform/instance/InstanceServer.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "res/AcceleratorTable.h"
#include "res/MenuTable.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/AppIcons.h"
#include "system/ProgramLauncher.h"
#include "quickcommands/CQuickCommandCommands.h"
#include "res/images/BackgroundTile.h"
#include "system/CClearHistoryCommand.h"
#include "system/ShellFolders.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// Height of the window bar's band.
constexpr int kWindowBarHeight = 22;

platform::RegKey settingsKey() {
    return platform::RegKey::create(platform::RegRoot::CurrentUser,
                                    QString::fromUtf16(kSettingsKeyPath));
}

QString bandName(std::uint32_t id) { return QStringLiteral("band%1").arg(id); }

// A bar that only holds one widget: the address box, an animation, the
// window bar's slot.
QToolBar* makeHolderBar(QWidget* child, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->addWidget(child);
    return bar;
}

// The width the child of band should have so that the band fills its row
// of the area: the row's width less what the other bands of the row ask
// for. Nothing when the band is hidden or is the last of its row (the last
// band of a row stretches anyway).
std::optional<int> stretchedWidth(const CReBarArea& area, const QToolBar* band,
                                  const QWidget* child) {
    if (!band->isVisible())
        return std::nullopt;
    int left = INT_MAX;
    int right = INT_MIN;
    int others = 0;
    bool last = true;
    for (const QToolBar* bar : area.bars()) {
        if (!bar->isVisible() || bar->y() != band->y())
            continue;
        left = std::min(left, bar->x());
        right = std::max(right, bar->geometry().right());
        if (bar == band)
            continue;
        others += bar->sizeHint().width();
        if (bar->x() > band->x())
            last = false;
    }
    if (last)
        return std::nullopt;
    const int chrome = band->width() - child->width();
    return right - left + 1 - others - chrome;
}


} // namespace

CMainFrame::CMainFrame(IMainFrameHost& host, QWidget* parent)
    : QMainWindow(parent), m_host(host), m_binder(new CommandBinder(host.Router(), this)),
      m_menuBuilder(std::make_unique<MenuBuilder>(*m_binder)),
      m_top(std::make_unique<CReBarArea>(*this, Qt::TopToolBarArea)),
      m_bottom(std::make_unique<CReBarArea>(*this, Qt::BottomToolBarArea)),
      m_settingsApplier(std::make_unique<CSettingsApplier>(*this, host.Settings())) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(res::AppIcons::appIcon());
    registerCommands();
    m_windows = std::make_unique<CWindowManager>(*this, host, m_windowBarTabs);
    m_closedWindows = std::make_unique<CClosedWindowsMenu>(*this, host);
}

CMainFrame::~CMainFrame() {
    // The bar follows the tabs, which go before the frame's children.
    delete m_windowBar;
    m_windowBar = nullptr;
    // The windows go with the children; the manager is asked nothing more.
    m_windows.reset();
    CommandRouter& router = m_host.Router();
    if (router.chain().mainFrame == this)
        router.setMainFrame(nullptr);
}

bool CMainFrame::Create() {
    if (m_created)
        return false;
    const platform::RegKey settings = settingsKey();

    // The area of the browser windows, on the tiled background.
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    const QPixmap tile = res::BackgroundTile::image(devicePixelRatioF());
    if (!tile.isNull())
        m_mdiArea->setBackground(QBrush(tile));
    setCentralWidget(m_mdiArea);

    if (!createMenus())
        return false;
    createStandardToolBar(settings);
    createBandWidgets();
    createTopReBar(settings);
    createStatusBar();
    createBottomReBar();
    m_links = std::make_unique<CFavoritesAndLinkGroups>(*this, m_host);
    applyLock(m_host.Settings().LockToolbars != 0);
    PlaceWindowBar(m_host.Settings().TabPosition, true);

    m_host.Router().setMainFrame(this);
    m_binder->installAccelerators(this, res::mainAccelerators());
    auto* focusAddress = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_D), this);
    connect(focusAddress, &QShortcut::activated, this, &CMainFrame::FocusAddressBar);
    // The address label's own Alt+D makes the key ambiguous.
    connect(focusAddress, &QShortcut::activatedAmbiguously, this, &CMainFrame::FocusAddressBar);
    m_idle = new IdleUpdater(*m_binder, this);
    m_idle->track(m_toolBar->commandActions());
    connect(m_toolBar, &CStandardToolBar::buttonsChanged, this,
            [this] { m_idle->track(m_toolBar->commandActions()); });

    setAcceptDrops(true);
    SetOfflineIndication(m_host.IsOffline());
    m_windows->attach();
    m_closedWindows->attach();
    AddFeature<CPageVisibility>(*this, *m_mdiArea);
    AddFeature<CExplorerBarHost>(*this, m_host);
    AddFeature<CClearHistoryCommand>(*this, m_host);
    AddFeature<CSystemTray>(*this, m_host);
    AddFeature<CAlwaysOnTop>(*this, m_host.Settings());
    m_fullScreen = &AddFeature<CFullScreen>(*this);
    m_created = true;
    return true;
}

bool CMainFrame::createMenus() {
    const res::MenuResource* mainMenu = res::findMenuResource(res::MainMenu);
    if (!mainMenu)
        return false;
    QMenuBar* bar = m_menuBuilder->buildMenuBar(*mainMenu, this);
    setMenuBar(bar);
    using MB = MenuBuilder;
    m_favoritesMenu = MB::menuAt(bar, res::mainpos::Favorites);
    m_windowMenu = MB::menuAt(bar, res::mainpos::Window);
    m_closedWindowsMenu =
        MB::submenuAt(MB::menuAt(bar, res::mainpos::Go), res::subpos::GoClosedWindows);
    m_linkGroupsMenu = MB::menuAt(bar, res::mainpos::LinkGroups);
    m_linkGroupAddMenu = MB::submenuAt(m_linkGroupsMenu, res::subpos::LinkGroupsAdd);
    return m_favoritesMenu && m_windowMenu && m_closedWindowsMenu && m_linkGroupsMenu &&
           m_linkGroupAddMenu;
}

void CMainFrame::createStandardToolBar(const platform::RegKey& settings) {
    m_toolBar = new CStandardToolBar(*m_binder, this);
    m_toolBar->setMenuProvider([this](unsigned command) { return DropDownMenu(command); });
    m_toolBar->setButtons(readToolBarLayout(settings));
}

void CMainFrame::createBandWidgets() {
    m_address = new CAddressBar(*this, this);
    m_addressCommands = std::make_unique<CAddressBarCommands>(
        *m_address, m_host.Settings(), [this]() -> std::optional<CAddressBarCommands::Page> {
            if (!ActiveChildFrame())
                return std::nullopt;
            return CAddressBarCommands::Page{
                m_host.ActiveAddress(), [this] { m_host.Router().dispatch(cmd::FileClose); }};
        });
    m_addressBand = makeHolderBar(m_address, this);
    m_bandFit = new QTimer(this);
    m_bandFit->setSingleShot(true);
    m_bandFit->setInterval(0);
    connect(m_bandFit, &QTimer::timeout, this, &CMainFrame::fitStretchingBands);

    // Sits in the window bar's band while the window bar is in the other
    // rebar.
    m_windowBarPlaceholder = new QWidget(this);
    m_windowBarPlaceholder->setObjectName(QStringLiteral("windowBarPlaceholder"));
    m_windowBarPlaceholder->setFixedHeight(kWindowBarHeight);

    m_animation = new CBusyAnimation(this);
    m_animation->setObjectName(QStringLiteral("busyAnimation"));
    m_animationBand = makeHolderBar(m_animation, this);
    m_animation2 = new CBusyAnimation(this);
    m_animation2->setObjectName(QStringLiteral("busyAnimation2"));
    m_bottomAnimationBand = makeHolderBar(m_animation2, this);

    m_windowBar = new CWindowBar(m_windowBarTabs, *m_windows, this);
    m_windowBar->setMinimumWidth(10);
    m_topWindowSlot = new CBandSlot(QStringLiteral("topWindowBarSlot"), this);
    m_windowBarBand = makeHolderBar(m_topWindowSlot, this);
    m_bottomWindowSlot = new CBandSlot(QStringLiteral("bottomWindowBarSlot"), this);
    m_bottomWindowBarBand = makeHolderBar(m_bottomWindowSlot, this);

    m_linkBar = new CLinkBar(*m_binder, this);
    RefillLinkBar();
}

void CMainFrame::createTopReBar(const platform::RegKey& settings) {
    m_top->setBandBar(kBandStandardButtons, m_toolBar, bandName(kBandStandardButtons));
    m_top->setBandBar(kBandAddress, m_addressBand, bandName(kBandAddress));
    m_top->setBandBar(kBandAnimation, m_animationBand, bandName(kBandAnimation));
    m_top->setBandBar(kBandWindowBar, m_windowBarBand, bandName(kBandWindowBar));
    m_top->setBandBar(kBandLinks, m_linkBar, bandName(kBandLinks));
    const ReBarLayout layout = readReBarLayout(settings, m_toolBar->metrics());
    if (const ReBarBand* address = layout.band(kBandAddress))
        m_address->setPreferredWidth(static_cast<int>(address->width));
    m_top->insertBands(layout);
    for (QToolBar* bar : m_top->bars())
        bar->installEventFilter(this);
}

void CMainFrame::createStatusBar() {
    m_statusPane = new QLabel(this);
    m_statusPane->setObjectName(QStringLiteral("statusPane"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->addWidget(m_statusPane, 1);
    m_binder->setStatusSink([this](const QString& text) { setStatusText(text); });
    setStatusText(QString());
}

void CMainFrame::createBottomReBar() {
    m_bottom->setBandBar(kBandWindowBar, m_bottomWindowBarBand,
                         QStringLiteral("bottomBand%1").arg(kBandWindowBar));
    m_bottom->setBandBar(kBandAnimation, m_bottomAnimationBand,
                         QStringLiteral("bottomBand%1").arg(kBandAnimation));
    ReBarLayout layout;
    ReBarBand windowBand;
    windowBand.id = kBandWindowBar;
    windowBand.style = kBandStyleBreak | (m_host.Settings().LockToolbars != 0
                                              ? kBandStyleNoGripper
                                              : kBandStyleGripperAlways);
    windowBand.minChildWidth = 10;
    windowBand.minChildHeight = kWindowBarHeight;
    windowBand.width = 10;
    ReBarBand animationBand;
    animationBand.id = kBandAnimation;
    animationBand.style = kBandStyleChildEdge | kBandStyleFixedSize | kBandStyleFixedBitmap;
    animationBand.minChildWidth = 32;
    animationBand.minChildHeight = 18;
    animationBand.width = 32;
    layout.bands = {windowBand, animationBand};
    m_bottomWindowSlot->hold(m_windowBarPlaceholder);
    m_bottom->setAreaVisible(false);
    m_bottom->insertBands(layout);
    for (QToolBar* bar : m_bottom->bars())
        bar->installEventFilter(this);
}

// ---- Commands -------------------------------------------------------------

void CMainFrame::registerCommands() {
    registerBandToggle(cmd::ViewStandardButtons, kBandStandardButtons, kBandAddress);
    registerBandToggle(cmd::ViewAddressBar, kBandAddress, kBandStandardButtons);
    commands().on(cmd::ViewLinks, [this] { ShowBand(kBandLinks, !IsBandVisible(kBandLinks)); });
    commands().onUpdate(cmd::ViewLinks,
                        [this](CommandState& state) { state.setCheck(IsBandVisible(kBandLinks)); });
    commands().on(cmd::LockToolbars, [this] {
        CAppSettings& settings = m_host.Settings();
        settings.LockToolbars = settings.LockToolbars != 0 ? 0 : 1;
        applyLock(settings.LockToolbars != 0);
    });
    commands().onUpdate(cmd::LockToolbars, [this](CommandState& state) {
        state.setCheck(m_host.Settings().LockToolbars != 0);
    });
    commands().on(cmd::CustomizeToolbar, [this] { CustomizeToolbar(); });
    commands().onUpdate(cmd::CustomizeToolbar, [this](CommandState& state) {
        state.enable(IsBandVisible(kBandStandardButtons));
    });
    commands().on(cmd::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    commands().onUpdate(cmd::ViewStatusBar,
                        [this](CommandState& state) { state.setCheck(!statusBar()->isHidden()); });
    commands().on(cmd::AppExit, [this] { close(); });

    OptionsEnvironment environment = OptionsEnvironment::System();
    environment.reapply = [this](const QList<int>& categories) {
        for (int category : categories)
            m_settingsApplier->Apply(category);
    };
    m_options = std::make_unique<COptionsCommands>(*this, m_host.Settings(), std::move(environment));
    m_options->Register(commands());
    const auto page = [](CBrowserView* view) -> std::optional<CQuickCommandCommands::Page> {
        if (!view)
            return std::nullopt;
        return CQuickCommandCommands::Page{view->PageTitle(), view->LocationURL()};
    };
    m_quickCommands = std::make_unique<CQuickCommandCommands>(
        *this, m_host.Settings(), [this, page] { return page(ActiveView()); },
        [this, page] { return page(m_windows->contextView()); });
    m_quickCommands->Register(commands());
    AddFeature<CAutoRefreshCommands>(this, [this] { return ActiveView(); },
                                     [this] { return m_windows->contextView(); });
    AddFeature<CInternetOptionsCommand>(*this, m_host.Router());
    AddFeature<CDropDownButtonCommands>(*this);
    AddFeature<CPageEditorCommands>(*this, ProcessLauncher::instance(),
                                    [] { return findPageEditors(desktopApplicationFolders()); });
}

// The standard buttons and the address bar may not both be hidden unless
// the window bar keeps the top rebar in use. Showing a hidden one is always
// allowed, so a bar can never be lost for good.
void CMainFrame::registerBandToggle(unsigned command, std::uint32_t bandId,
                                    std::uint32_t otherBandId) {
    commands().on(command, [this, bandId] { ShowBand(bandId, !IsBandVisible(bandId)); });
    commands().onUpdate(command, [this, bandId, otherBandId](CommandState& state) {
        const bool visible = IsBandVisible(bandId);
        state.setCheck(visible);
        state.enable(!visible || IsBandVisible(otherBandId) ||
                     m_host.Settings().TabPosition == 1);
    });
}

void CMainFrame::applyLock(bool locked) {
    m_top->setLocked(locked);
    m_bottom->setLocked(locked);
}

void CMainFrame::CustomizeToolbar() {
    CCustomizeToolbarDialog dialog(m_toolBar->buttons(), this);
    DialogRunner::instance().exec(dialog);
    // Changes count however the dialog was closed.
    const ToolBarLayout result = dialog.result();
    if (!(result == m_toolBar->buttons()))
        m_toolBar->setButtons(result);
}

QMenu* CMainFrame::DropDownMenu(unsigned command) const {
    const std::optional<DropDownMenuSource> source = dropDownMenuSource(command);
    if (!source)
        return nullptr;
    switch (source->kind) {
    case DropDownMenuSource::Kind::BackHistory:
    case DropDownMenuSource::Kind::ForwardHistory:
        return m_historyMenuFactory
                   ? m_historyMenuFactory(source->kind ==
                                          DropDownMenuSource::Kind::ForwardHistory)
                   : nullptr;
    case DropDownMenuSource::Kind::Editors:
        return m_editorsMenuFactory ? m_editorsMenuFactory() : nullptr;
    case DropDownMenuSource::Kind::MainMenu:
        break;
    }
    if (command == cmd::ExplorerFavorites)
        return m_favoritesMenu;
    // Qt's menu bar keeps a maximised child's window controls in its corner,
    // not as a first entry, so the positions do not move.
    const int index = menuBarIndex(source->topLevel, isChildMaximized(), false);
    QMenu* popup = MenuBuilder::menuAt(menuBar(), index);
    return source->sub < 0 ? popup : MenuBuilder::submenuAt(popup, source->sub);
}

void CMainFrame::SetHistoryMenuFactory(std::function<QMenu*(bool forward)> factory) {
    m_historyMenuFactory = std::move(factory);
}

void CMainFrame::SetEditorsMenuFactory(MenuFactory factory) {
    m_editorsMenuFactory = std::move(factory);
}

bool CMainFrame::isChildMaximized() const {
    const QMdiSubWindow* active = ActiveChildFrame();
    return active && active->isMaximized();
}

// ---- Settings, bars and caption --------------------------------------------

void CMainFrame::ApplySettings(int category) {
    m_host.Settings().Save();
    m_settingsApplier->Apply(category);
}

void CMainFrame::SetBusyAnimation(bool on) { m_animation->setPlaying(on); }

bool CMainFrame::IsBusyAnimationPlaying() const { return m_animation->isPlaying(); }

QWidget* CMainFrame::BandChild(std::uint32_t bandId) const {
    switch (bandId) {
    case kBandStandardButtons:
        return m_toolBar;
    case kBandAddress:
        return m_address;
    case kBandAnimation:
        return m_animation;
    case kBandWindowBar:
        return m_windowBar;
    case kBandLinks:
        return m_linkBar;
    default:
        return nullptr;
    }
}

QToolBar* CMainFrame::BandBar(std::uint32_t bandId) const { return m_top->bar(bandId); }

bool CMainFrame::IsBandVisible(std::uint32_t bandId) const { return m_top->isBandVisible(bandId); }

void CMainFrame::ShowBand(std::uint32_t bandId, bool show) { m_top->showBand(bandId, show); }

int CMainFrame::RefillLinkBar() {
    return m_linkBar->refill(shellFolderPath(QString::fromUtf16(kFavoritesFolderValue)));
}

QString CMainFrame::BaseTitle() const {
    const QString title = res::loadString(sid::AppName, QStringLiteral("Quorrelin"));
    if (!m_offline)
        return title;
    return title + QStringLiteral(" [") + res::loadString(sid::WorkOfflineMark) +
           QLatin1Char(']');
}

void CMainFrame::SetOfflineIndication(bool offline) {
    m_offline = offline;
    RefreshCaption();
}

void CMainFrame::RefreshCaption() {
    if (m_windows)
        m_windows->refreshCaption();
}

QWidget* CMainFrame::AddressBarPlaceholder() const { return m_address; }

QComboBox* CMainFrame::AddressBox() const { return m_address->ComboBox(); }

void CMainFrame::FocusAddressBar() {
    if (IsBandVisible(kBandAddress))
        m_address->FocusAddress();
}

// The address bar's commands come first: the edit commands act on the
// address box while it has the focus and are left to the frame's own
// handlers (the page) otherwise.
bool CMainFrame::onCommand(unsigned id) {
    if ((m_addressCommands && m_addressCommands->onCommand(id)) ||
        CommandTarget::onCommand(id) || m_windows->onCommand(id) ||
        (m_links && m_links->onCommand(id)) || m_closedWindows->onCommand(id))
        return true;
    return std::ranges::any_of(m_features, [id](const auto& f) { return f->onCommand(id); });
}

bool CMainFrame::onUpdateCommand(CommandState& state) {
    if ((m_addressCommands && m_addressCommands->onUpdateCommand(state)) ||
        CommandTarget::onUpdateCommand(state) || m_windows->onUpdateCommand(state) ||
        (m_links && m_links->onUpdateCommand(state)) || m_closedWindows->onUpdateCommand(state))
        return true;
    return std::ranges::any_of(m_features,
                               [&state](const auto& f) { return f->onUpdateCommand(state); });
}

bool CMainFrame::hasCommandHandler(unsigned id) const {
    if ((m_addressCommands && m_addressCommands->hasCommandHandler(id)) ||
        CommandTarget::hasCommandHandler(id) || m_windows->hasCommandHandler(id) ||
        (m_links && m_links->hasCommandHandler(id)) || m_closedWindows->hasCommandHandler(id))
        return true;
    return std::ranges::any_of(m_features,
                               [id](const auto& f) { return f->hasCommandHandler(id); });
}

void CMainFrame::NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) {
    m_host.NavigateFromAddressBar(address, remember, newWindow);
}

bool CMainFrame::FocusPage() {
    QMdiSubWindow* active = ActiveChildFrame();
    if (!active || !active->widget())
        return false;
    active->widget()->setFocus(Qt::TabFocusReason);
    return true;
}

CAppSettings& CMainFrame::AddressBarSettings() { return m_host.Settings(); }

QString CMainFrame::ActivePageAddress() const { return m_host.ActiveAddress(); }

IErrorReporter* CMainFrame::AddressBarErrorReporter() {
    return dynamic_cast<IErrorReporter*>(&m_host);
}

void CMainFrame::ShowAddressBarMenu(const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu(createPopupMenu());
    if (menu)
        menu->exec(globalPos);
}

void CMainFrame::PlaceWindowBar(int position, bool force) {
    CAppSettings& settings = m_host.Settings();
    if (position < 0 || position > 2)
        position = 1;
    if (!force && position == settings.TabPosition)
        return;
    m_previousTabPosition = settings.TabPosition;
    if (position == 1) {
        m_bottomWindowSlot->hold(m_windowBarPlaceholder);
        m_bottom->setAreaVisible(false);
        m_topWindowSlot->hold(m_windowBar);
        m_top->showBand(kBandWindowBar, true);
    } else if (position == 2) {
        m_topWindowSlot->hold(m_windowBarPlaceholder);
        m_top->showBand(kBandWindowBar, false);
        m_bottomWindowSlot->hold(m_windowBar);
        m_bottom->setAreaVisible(true);
    } else {
        m_top->showBand(kBandWindowBar, false);
        m_bottom->setAreaVisible(false);
    }
    settings.TabPosition = position;
    ApplySettings(1);
}

void CMainFrame::setStatusText(const QString& text) {
    m_statusPane->setText(text.isEmpty() ? res::loadString(sid::IdleMessage) : text);
}

void CMainFrame::reloadImages() {
    const QPixmap tile = res::BackgroundTile::image(devicePixelRatioF());
    if (!tile.isNull())
        m_mdiArea->setBackground(QBrush(tile));
    m_toolBar->reloadImages();
    m_animation->reload();
    m_animation2->reload();
}

// ---- Closing -------------------------------------------------------------------

CChildFrame* CMainFrame::ActiveChildFrame() const {
    return m_windows ? m_windows->activeFrame() : nullptr;
}

CBrowserView* CMainFrame::ActiveView() const {
    const CChildFrame* frame = ActiveChildFrame();
    return frame ? frame->View() : nullptr;
}

CMainFrame::WindowNote CMainFrame::NoteActiveWindow() const {
    const CBrowserView* view = ActiveView();
    if (!view)
        return {};
    return {ApplyTitleRule(view->PageTitle()), view->LocationURL()};
}

bool CMainFrame::confirmExit() {
    CAppSettings& settings = m_host.Settings();
    if (settings.ConfirmExitApp == 0 || m_sessionEnding)
        return true;
    if (m_askingToExit)
        return false;
    const QScopedValueRollback asking(m_askingToExit, true);
    raise();
    activateWindow();
    // The box's "do not ask again" is the user's wish whatever the answer.
    const int answer = CCheckMessageBox::AskAndStore(this, sid::ConfirmExit,
                                                     MB_YESNO | MB_ICONQUESTION,
                                                     settings.ConfirmExitApp);
    raise();
    activateWindow();
    return answer == IDYES;
}

ReBarLayout CMainFrame::CurrentReBarLayout() const {
    ReBarLayout layout = m_top->currentLayout();
    if (ReBarBand* address = layout.band(kBandAddress)) {
        const bool laidOut = isVisible() && m_address->isVisible();
        address->width = static_cast<std::uint32_t>(laidOut ? m_address->width()
                                                            : m_address->preferredWidth());
    }
    if (ReBarBand* window = layout.band(kBandWindowBar))
        window->child = m_windowBar->isVisibleTo(this) ? 1 : 0;
    return layout;
}

void CMainFrame::saveLayout() {
    const platform::RegKey settings = settingsKey();
    // The three values describe one layout: written together or not at all.
    platform::RegTransaction transaction;
    writeToolBarLayout(settings, m_toolBar->buttons());
    const WindowPlacement placement = CurrentPlacement();
    if (placement.hasSaneNormalRect())
        writeMainFramePosition(settings, placement);
    writeReBarLayout(settings, CurrentReBarLayout());
    transaction.commit();
}

void CMainFrame::CloseForSessionEnd() {
    m_sessionEnding = true;
    // The windows close for the end of the process: nothing is redrawn
    // while each of them goes and the next one comes forward.
    setUpdatesEnabled(false);
    close();
    setUpdatesEnabled(true);
    m_sessionEnding = false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closing || !m_created) {
        event->accept();
        return;
    }
    if (!confirmExit()) {
        event->ignore();
        return;
    }
    m_host.SaveCurrentSession();
    const WindowNote noted = NoteActiveWindow();
    m_closing = true;
    saveLayout();
    m_address->SaveTypedUrls();
    m_mdiArea->closeAllSubWindows();
    if (!m_mdiArea->subWindowList().isEmpty()) {
        // A window refused to close: the program goes on running.
        m_closing = false;
        event->ignore();
        return;
    }
    event->accept();
    if (!noted.address.isEmpty())
        m_host.AddClosedWindow(noted.title, noted.address);
}

// ---- Events --------------------------------------------------------------------

void CMainFrame::keepWindowBarBand(bool minimized) {
    if (minimized) {
        if (m_windowBar->isEnabled()) {
            m_savedWindowBandMinimum = m_windowBar->minimumSize();
            m_windowBandSaved = true;
            m_minimized = true;
        }
        return;
    }
    if (m_minimized && m_windowBar->isVisibleTo(this) && m_windowBandSaved)
        m_windowBar->setMinimumSize(m_savedWindowBandMinimum);
    m_minimized = false;
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!m_created)
        return;
    switch (event->type()) {
    case QEvent::WindowStateChange:
        keepWindowBarBand(isMinimized());
        break;
    case QEvent::PaletteChange:
    case QEvent::ThemeChange:
        reloadImages();
        break;
    case QEvent::ActivationChange:
        if (isActiveWindow() && !m_closing && m_address->HasFocus())
            AddressBox()->setFocus(Qt::ActiveWindowFocusReason);
        break;
    default:
        break;
    }
}

// The address box and the bottom window bar take the room their rows leave.
void CMainFrame::fitStretchingBands() {
    if (!isVisible())
        return;
    if (const std::optional<int> width = stretchedWidth(*m_top, m_addressBand, m_address))
        m_address->setPreferredWidth(*width);
    if (const std::optional<int> width =
            stretchedWidth(*m_bottom, m_bottomWindowBarBand, m_bottomWindowSlot))
        m_bottomWindowSlot->setPreferredWidth(*width);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_bandFit)
        m_bandFit->start();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_bandFit && (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move) &&
        qobject_cast<QToolBar*>(watched))
        m_bandFit->start();
    // Leaving a bar ends the prompt of the button under the mouse.
    if (event->type() == QEvent::Leave && (watched == m_toolBar || watched == m_linkBar))
        setStatusText(QString());
    return QMainWindow::eventFilter(watched, event);
}

QMenu* CMainFrame::createPopupMenu() {
    // The rebars' context menu is the View menu's toolbars submenu.
    const res::MenuItem* view = res::findPopup(res::MainMenu, res::mainpos::View);
    if (!view || view->items.size() <= std::size_t(res::subpos::ViewToolbars))
        return nullptr;
    return m_menuBuilder->buildPopup(view->items[res::subpos::ViewToolbars], this);
}
