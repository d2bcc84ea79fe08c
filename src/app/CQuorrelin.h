#pragma once

#include "app/CAppSettings.h"
#include "app/CSplashScreen.h"
#include "app/IErrorReporter.h"
#include "app/RegistryNotice.h"
#include "app/SendMailRequest.h"
#include "browser/IBrowserViewHost.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandRouter.h"
#include "framework/CommandTarget.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CBrowserView;
class CChildFrame;
class CDocTemplate;
class CMainFrame;
class QMenu;
class SendMailThreads;
class SessionKeeper;
class ICommandRunner;
namespace platform {
class InstanceStartLock;
}
class QTimer;
class QWidget;

// The application object: one per process. Starts the program (version
// check, settings, the single-instance hand-over, the default-browser
// question, the main window and its placement, the start windows), owns the
// settings record and the command router for the whole run, and ends the
// program (settings saved, session marked as ended normally).
//
// Everything runs on the user-interface thread.
class CQuorrelin : public QObject,
                   public CommandTarget,
                   public IMainFrameHost,
                   public IBrowserViewHost,
                   public IErrorReporter {
    Q_OBJECT

public:
    // What start-up takes from outside; tests replace parts of it.
    struct Environment {
        // The engine version that stands in for the system browser's version
        // when none is stored yet; empty means the running engine's.
        QString engineVersion;
        // Runs desktop tools (xdg-mime) when the program is made the default
        // browser; null means real processes.
        ICommandRunner* commandRunner = nullptr;
        // The program path the default-browser association starts; empty
        // means the running program.
        QString programPath;
        // The program that draws the splash; empty means the program's own,
        // shown only on a real display.
        QString splashPainter;
    };

    // How the command line asks the program to start.
    enum class ShellCommand { New, Open, Nothing };

    CQuorrelin();
    explicit CQuorrelin(Environment environment);
    ~CQuorrelin() override;

    // The process's application object (set while one exists), as other
    // parts of the program reach the application.
    static CQuorrelin* instance();

    // The start-up sequence. arguments are the command-line arguments
    // without the program name. False ends the process at once (another
    // instance took the address, the engine is too old, or the main window
    // could not be made); handedOver() tells the first case.
    bool InitInstance(const QStringList& arguments);
    // Tells InitInstance that the process already looked for a running
    // instance and holds lock (see StartHandOver): it does not look again.
    void SearchedBeforeStart(std::unique_ptr<platform::InstanceStartLock> lock);
    // Saves the settings and marks the session as ended normally. Returns
    // the process exit code.
    int ExitInstance();
    // Idle processing: notices a change of the offline state and tells the
    // main frame. Runs from a timer and after every command.
    bool OnIdle();

    bool handedOver() const { return handedOver_; }
    // The start-up splash (shown from the settings' load to the first
    // windows, closed before any question).
    const CSplashScreen& Splash() const { return splash_; }
    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    ShellCommand shellCommand() const { return shellCommand_; }
    // The addresses start-up decided to open, in order, and whether they
    // came from the command line.
    const QStringList& startAddresses() const { return startAddresses_; }
    bool startFromCommandLine() const { return startFromCommandLine_; }
    // Addresses handed over by other starts or dropped on the frame, oldest
    // first.
    const QStringList& receivedAddresses() const { return receivedAddresses_; }

    // The start list of a plain start by StartMode.
    QStringList CollectStartAddresses() const;

    // Error reporting: an OK box with the exclamation icon titled "错误"
    // ("Error" when the string cannot be loaded). A null parent means the
    // main window.
    void ShowErrorMessage(QWidget* parent, const QString& text);
    // The same with a string-table message ("Unhandled error occurs." when
    // the string cannot be loaded).
    void ShowErrorMessage(QWidget* parent, unsigned messageId);
    // The system's text for code and the code in decimal and hexadecimal.
    void ShowSystemError(long code, QWidget* parent);
    // From the settings store: a failure of the registry file itself is
    // told by what it is (read-only, locked, disk full, ...), once per cause;
    // anything else as a system error.
    void ShowSystemError(long code) override;
    // "%s\n\nError Code: %d (0x%X)" filled for code.
    static QString FormatSystemError(long code);

    // Writes "NormalExit" = flag into this process's session key and
    // "LastSession" = MainWindowId into the settings key.
    void WriteExitMark(int flag);
    // The record of this process's open windows and its bookkeeping.
    SessionKeeper& Sessions() const { return *sessions_; }

    // A new browser window: document, child frame and view of engine (1 the
    // second engine, anything else engine 0). With show it gets its tab
    // (after the active window's, or at the end with AppendNewWindow) and is
    // shown: activated (maximised with MaximizeChild) when activate is set,
    // else behind the active window. Without show it stays hidden and
    // untabbed, waiting for its first real address. A view that cannot be
    // made shows message 51484 and gives null.
    CBrowserView* CreateBrowserWindow(int engine, bool activate, bool show) override;
    // A new activated window of engine navigated to url (first-URL state 2);
    // null when it could not be made.
    CBrowserView* OpenNewWindow(int engine, const QString& url);
    // The templates of the two engines (they exist from construction on).
    CDocTemplate& IeTemplate() const { return *ieTemplate_; }
    CDocTemplate& MozillaTemplate() const { return *mozillaTemplate_; }
    CChildFrame* ActiveChildFrame() const;
    // The running mail threads.
    SendMailThreads& MailThreads() const { return *mailThreads_; }
    // The message for a mail result that is reported (51547 with the code as
    // "0x%X"), shown on the user-interface thread.
    void ReportMailResult(int result);

    // IMainFrameHost and IBrowserViewHost
    CAppSettings& Settings() override { return settings_; }
    CommandRouter& Router() override { return router_; }
    // Records the open windows now (see SessionKeeper); the views' title and
    // progress changes use the coalescing form.
    void SaveCurrentSession() override;
    void SaveCurrentSessionSoon() override;
    void AddClosedWindow(const QString& title, const QString& address) override;
    void OpenHandedOverAddress(const QString& address) override;
    void OpenDroppedFile(const QString& path) override;
    void NavigateAddress(const QString& address, bool newWindow) override;
    void NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) override;
    QString ActiveAddress() const override;
    bool IsOffline() const override;

    // IBrowserViewHost
    CBrowserView* ActiveView() const override;
    // Records the visit in the process's visit history.
    void RecordVisit(const QString& url, const QString& title) override;
    std::vector<CBrowserView*> AllViews() const override;
    void SetAddressText(const QString& text, bool navigationStart) override;
    void AddToAddressList(const QString& url) override;
    void SetBusyAnimation(bool on) override;
    void SetStatusText(const QString& text) override;
    void ShowFailedAddress(const QString& address) override;
    void RefreshFrameTitle() override;
    WindowBarModel* WindowBarTabs() override;
    void PostCommand(unsigned id) override;
    bool SendMail(SendMailRequest request) override;
    QWidget* MainWindow() const override;

private:
    void CreateTemplates();
    void ConnectMainFrame();
    void FillHistoryMenu(bool forward);
    void RegisterCommands();
    void RegisterNewWindowCommands();
    void RegisterDownloadCommands();
    void ToggleDownloadBit(unsigned id);
    void ApplyGlobalSilent();
    void ToggleApplyDownloadOptionsToAll();
    void ToggleWorkOffline();
    void OpenLocation();
    bool UpdateClipboardAddress();
    QString Translate(const QString& text) const;
    bool CheckEngineVersion();
    void CheckRegistry();
    void ParseCommandLine(const QStringList& arguments);
    bool HandOverToRunningInstance(bool instanceJustStarted);
    void OfferDefaultBrowser();
    bool CreateMainFrame();
    void RestorePlacement();
    void BuildStartList();
    void OpenStartWindows();
    void CreateSessionKeeper();
    void ScanSessions();
    // Asks whether the windows of crashed sessions open again; Yes appends
    // their addresses to the start list. The crashed records go either way.
    void OfferCrashedWindows();

    Environment environment_;
    RegistryNotice registryNotice_;
    CAppSettings settings_;
    CommandRouter router_;
    std::unique_ptr<CDocTemplate> ieTemplate_;
    std::unique_ptr<CDocTemplate> mozillaTemplate_;
    std::unique_ptr<SendMailThreads> mailThreads_;
    std::unique_ptr<SessionKeeper> sessions_;
    std::unique_ptr<CMainFrame> mainFrame_;
    // The back/forward drop-down menu, filled anew each time it opens.
    QMenu* historyMenu_ = nullptr;
    // The address on the clipboard, taken when commands 33300/33301 are
    // updated.
    QString clipboardAddress_;
    QTimer* idleTimer_ = nullptr;

    ShellCommand shellCommand_ = ShellCommand::New;
    QString commandLineArgument_;
    QStringList startAddresses_;
    bool startFromCommandLine_ = false;
    QStringList receivedAddresses_;
    bool handedOver_ = false;
    // Held from the search for a running instance until this instance's
    // socket answers (see InstanceStartLock).
    std::unique_ptr<platform::InstanceStartLock> startLock_;
    bool searchedBeforeStart_ = false;
    CSplashScreen splash_;
    // The offline state seen at the previous idle pass; unset before the first.
    std::optional<bool> lastOffline_;
};
