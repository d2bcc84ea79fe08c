#include "app/CQuorrelin.h"

#include "app/CCheckMessageBox.h"
#include "app/CDocTemplate.h"
#include "app/RenderingSetup.h"
#include "app/ClosedWindowEntry.h"
#include "app/SendMailThreads.h"
#include "app/SessionKeeper.h"
#include "app/SessionKeyPath.h"
#include "browser/CBrowserView.h"
#include "app/SettingsPaths.h"
#include "frame/CAlwaysOnTop.h"
#include "frame/CMainFrame.h"
#include "frame/EngineSurface.h"
#include "framework/MessageBoxStyle.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceStartLock.h"
#include "platform/os/OfflineState.h"
#include "platform/os/SystemErrorText.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/DefaultBrowser.h"
#include "system/IeSettings.h"
#include "system/IeVersion.h"
#include "system/ShellFolders.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace {

CQuorrelin* g_instance = nullptr;

// How often the idle pass looks at the offline state, which another
// instance may change at any time.
constexpr int kIdleIntervalMs = 1000;

// How long a start that waited for another start gives that instance to
// answer the find request.
constexpr int kJustStartedFindTimeoutMs = 5000;

// The lowest engine version the program runs with.
constexpr int kMinimumEngineMajor = 4;

} // namespace

CQuorrelin::CQuorrelin() : CQuorrelin(Environment{}) {}

CQuorrelin::CQuorrelin(Environment environment)
    : environment_(std::move(environment)),
      registryNotice_([this](const QString& text) { ShowErrorMessage(nullptr, text); }),
      splash_(environment_.splashPainter) {
    g_instance = this;
    settings_.SetErrorReporter(this);
    router_.setApplication(this);
    router_.addExecutedListener([this](unsigned) { OnIdle(); });
    CreateTemplates();
    mailThreads_ =
        std::make_unique<SendMailThreads>(this, [this](int result) { ReportMailResult(result); });
    RegisterCommands();
    CreateSessionKeeper();
}

CQuorrelin::~CQuorrelin() {
    // The frame talks to the application while it goes; destroy it first.
    mainFrame_.reset();
    if (g_instance == this)
        g_instance = nullptr;
}

CQuorrelin* CQuorrelin::instance() { return g_instance; }

// ---------------------------------------------------------------------------
// Start-up

bool CQuorrelin::InitInstance(const QStringList& arguments) {
    CheckRegistry();
    if (!CheckEngineVersion())
        return false;
    seedShellFolders();
    if (!settings_.Load())
        registryNotice_.Report(platform::Registry::instance().lastFailure());
    ApplyGlobalSilent();
    ParseCommandLine(arguments);
    if (!settings_.MultipleInstance && !searchedBeforeStart_) {
        // Search and publish under one lock: of two starts at the same
        // instant one opens the main window and the other hands over to it.
        startLock_ = std::make_unique<platform::InstanceStartLock>();
        startLock_->acquire();
        if (HandOverToRunningInstance(startLock_->waited())) {
            handedOver_ = true;
            return false;
        }
    }
    if (settings_.CheckDefaultBrowser)
        OfferDefaultBrowser();
    if (CSplashScreen::Wanted(settings_.DisplaySplash, shellCommand_ != ShellCommand::Nothing,
                              QGuiApplication::platformName(), environment_.splashPainter))
        splash_.Show();
    if (!CreateMainFrame())
        return false;
    RestorePlacement();
    if (shellCommand_ == ShellCommand::New && settings_.StartMode() == 4)
        shellCommand_ = ShellCommand::Nothing;
    BuildStartList();
    ScanSessions();
    OfferCrashedWindows();
    settings_.CurrentSession.Links.clear();
    // The record lists the start windows once all of them exist.
    sessions_->Hold();
    OpenStartWindows();
    splash_.Close();
    sessions_->Release();
    SaveCurrentSession();
    WriteExitMark(0);
    if (settings_.AlwaysOnTop)
        CAlwaysOnTop::SetTopmost(*mainFrame_, true);
    // The socket answers once the event loop runs; the next start may look.
    QTimer::singleShot(0, this, [this] { startLock_.reset(); });
    idleTimer_ = new QTimer(this);
    connect(idleTimer_, &QTimer::timeout, this, &CQuorrelin::OnIdle);
    idleTimer_->start(kIdleIntervalMs);
    return true;
}

void CQuorrelin::SearchedBeforeStart(std::unique_ptr<platform::InstanceStartLock> lock) {
    startLock_ = std::move(lock);
    searchedBeforeStart_ = true;
}

bool CQuorrelin::CheckEngineVersion() {
    QString engine = environment_.engineVersion;
    if (engine.isEmpty())
        engine = QString::fromLatin1(qWebEngineChromiumVersion());
    const bool stored = seedEngineVersion(engine);
    IeVersion version = readIeVersion();
    // A registry that cannot hold the version does not make the engine old.
    if (!stored && version.major == 0)
        version = parseIeVersion(engine);
    if (version.major >= kMinimumEngineMajor)
        return true;
    CCheckMessageBox box(nullptr, sid::EngineTooOld, MB_ICONSTOP | MB_OK);
    box.DoModal();
    return false;
}

// A damaged registry is salvaged before anything reads it; whatever is wrong
// with the file is told once, and start-up goes on with what can be read
// (the defaults where nothing can).
void CQuorrelin::CheckRegistry() {
    platform::Registry& registry = platform::Registry::instance();
    if (registry.openProblem().kind == platform::RegProblemKind::Damaged &&
        registry.openProblem().keptAs.isEmpty())
        registry.salvage();
    registryNotice_.Report(registry.openProblem());
}

void CQuorrelin::ParseCommandLine(const QStringList& arguments) {
    // The first argument that is not a switch is the address or file to open.
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("--")))
            continue;
        shellCommand_ = ShellCommand::Open;
        commandLineArgument_ = argument;
        return;
    }
    shellCommand_ = ShellCommand::New;
}

bool CQuorrelin::HandOverToRunningInstance(bool instanceJustStarted) {
    platform::InstanceClient client;
    // An instance that published its socket a moment ago may still be busy
    // opening its start windows before it answers.
    if (instanceJustStarted)
        client.setFindTimeout(kJustStartedFindTimeoutMs);
    return client.handOver(shellCommand_ == ShellCommand::Open ? commandLineArgument_ : QString());
}

void CQuorrelin::OfferDefaultBrowser() {
    DefaultBrowser browser(environment_.programPath, environment_.commandRunner);
    if (browser.isDefault())
        return;
    const int answer = CCheckMessageBox::AskAndStore(
        nullptr, res::loadString(sid::NotDefaultBrowser), MB_YESNO | MB_ICONQUESTION,
        settings_.CheckDefaultBrowser, QString(), res::loadString(sid::NoStartupCheck));
    if (answer == IDYES)
        browser.makeDefault();
}

bool CQuorrelin::CreateMainFrame() {
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (!mainFrame_->Create()) {
        mainFrame_.reset();
        return false;
    }
    // Pages of the web engine will appear in it (tests' stand-in engines
    // draw nothing; pages drawn in software need no OpenGL surface).
    if (!CBrowserView::engineFactory() && !RenderingInSoftware())
        PrepareForEngineSurface(*mainFrame_);
    router_.setMainFrame(mainFrame_.get());
    ConnectMainFrame();
    QString error;
    // Without its socket the window still works; it only cannot be found by
    // a later start, which then opens a window of its own.
    mainFrame_->StartInstanceServer(static_cast<platform::InstanceId>(MainWindowId()), QString(),
                                    &error);
    return true;
}

void CQuorrelin::RestorePlacement() {
    // A saved minimised state opens normal, a maximised one stays maximised;
    // without a usable saved placement the window opens normal.
    mainFrame_->ShowWithCommand(mainFrame_->RestorePlacement());
}

void CQuorrelin::BuildStartList() {
    startAddresses_.clear();
    startFromCommandLine_ = false;
    if (shellCommand_ == ShellCommand::New) {
        startAddresses_ = CollectStartAddresses();
    } else if (shellCommand_ == ShellCommand::Open) {
        startAddresses_ << commandLineArgument_;
        startFromCommandLine_ = true;
    }
}

QStringList CQuorrelin::CollectStartAddresses() const {
    QStringList list;
    switch (settings_.StartMode()) {
    case 0:
        list << settings_.BlankPage;
        break;
    case 1: {
        const QStringList& closed = settings_.ClosedWindows();
        const int n = std::min<int>(settings_.OpenWindowsCount(), closed.size());
        for (int i = 0; i < n && !closed[i].isEmpty(); ++i)
            list << ClosedWindowEntryAddress(closed[i]);
        break;
    }
    case 2:
        list << readIeStartPage();
        break;
    case 3:
        list << settings_.CustomHomepage;
        break;
    case 5:
        for (const LinkGroup& group : settings_.LinkGroups) {
            if (!group.Startup || group.Separator || group.Links.isEmpty())
                continue;
            for (const LinkGroupLink& link : group.Links)
                list << link.URL;
        }
        break;
    case 6:
        for (const LinkGroupLink& link : settings_.LastSessionGroup.Links)
            list << link.URL;
        break;
    default:
        break;
    }
    return list;
}

void CQuorrelin::OpenStartWindows() {
    if (startAddresses_.isEmpty()) {
        mainFrame_->FocusAddressBar();
        return;
    }
    for (qsizetype i = startAddresses_.size() - 1; i >= 0; --i) {
        const int engine = settings_.OpenWindowType();
        CBrowserView* view = CreateBrowserWindow(engine, true, true);
        // The second engine may be missing; the first is tried once more.
        if (!view && engine != 0)
            view = CreateBrowserWindow(0, true, true);
        if (view)
            view->Navigate(Translate(startAddresses_[i]), CBrowserView::NothingToRemember,
                           startFromCommandLine_);
    }
}

// ---------------------------------------------------------------------------
// Exit and idle

int CQuorrelin::ExitInstance() {
    startLock_.reset();
    if (idleTimer_)
        idleTimer_->stop();
    settings_.Save();
    WriteExitMark(1);
    return 0;
}

bool CQuorrelin::OnIdle() {
    const bool offline = IsOffline();
    if (!lastOffline_) {
        lastOffline_ = offline;
    } else if (*lastOffline_ != offline) {
        lastOffline_ = offline;
        if (mainFrame_)
            mainFrame_->SetOfflineIndication(offline);
    }
    return false;
}

bool CQuorrelin::IsOffline() const { return platform::IsOffline(); }

// ---------------------------------------------------------------------------
// Errors

void CQuorrelin::ShowErrorMessage(QWidget* parent, const QString& text) {
    splash_.Close(); // it would stand in front of the message
    if (!parent)
        parent = mainFrame_.get();
    CCheckMessageBox box(parent, text, MB_ICONEXCLAMATION | MB_OK, false,
                         res::loadString(sid::Error, QStringLiteral("Error")));
    box.DoModal();
}

void CQuorrelin::ShowErrorMessage(QWidget* parent, unsigned messageId) {
    ShowErrorMessage(parent, res::loadString(messageId, QStringLiteral("Unhandled error occurs.")));
}

QString CQuorrelin::FormatSystemError(long code) {
    return QStringLiteral("%1\n\nError Code: %2 (0x%3)")
        .arg(platform::SystemErrorText(code))
        .arg(code)
        .arg(QString::number(static_cast<quint32>(code), 16).toUpper());
}

void CQuorrelin::ShowSystemError(long code) {
    const platform::RegProblem failure = platform::Registry::instance().lastFailure();
    if (failure && platform::regProblemError(failure.kind) == code) {
        registryNotice_.Report(failure);
        return;
    }
    ShowSystemError(code, nullptr);
}

void CQuorrelin::ShowSystemError(long code, QWidget* parent) {
    ShowErrorMessage(parent, FormatSystemError(code));
}
