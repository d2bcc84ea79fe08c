// The application's sessions: the record of the open windows, the mark of a
// normal end, the sessions of earlier runs that crashed, and the recently
// closed windows.

#include "app/CCheckMessageBox.h"
#include "app/CQuorrelin.h"
#include "app/RegStringList.h"
#include "app/SessionKeeper.h"
#include "app/SessionKeyPath.h"
#include "app/SettingsPaths.h"
#include "browser/BrowserViewRules.h"
#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"
#include "framework/MessageBoxStyle.h"
#include "platform/instance/InstanceClient.h"
#include "res/StringIds.h"

namespace {

// The address a window is kept with: where the engine is, or, while the
// engine has not got there yet, where it was last sent.
QString sessionAddress(const CBrowserView& view) {
    const QString location = view.LocationURL();
    if (!location.isEmpty() && !IsAboutBlank(location))
        return location;
    if (!view.CurrentUrl().isEmpty())
        return view.CurrentUrl();
    if (!view.RequestedUrl().isEmpty())
        return view.RequestedUrl();
    return location;
}

} // namespace

void CQuorrelin::CreateSessionKeeper() {
    sessions_ = std::make_unique<SessionKeeper>(MainWindowId());
    sessions_->SetWindowSource(
        [this] {
            std::vector<SessionWindow> windows;
            for (const CBrowserView* view : AllViews())
                windows.push_back({view->PageTitle(), sessionAddress(*view)});
            return windows;
        },
        &settings_.CurrentSession);
    sessions_->SetClosingCheck([this] { return mainFrame_ && mainFrame_->IsClosing(); });
}

void CQuorrelin::WriteExitMark(int flag) {
    sessions_->WriteExitMark(flag);
}

void CQuorrelin::SaveCurrentSession() {
    sessions_->Save();
}

void CQuorrelin::SaveCurrentSessionSoon() {
    sessions_->SaveSoon();
}

void CQuorrelin::ScanSessions() {
    sessions_->ScanSessions(settings_, [](std::int32_t id) {
        return platform::InstanceClient().isRunningInstance(static_cast<platform::InstanceId>(id));
    });
}

void CQuorrelin::OfferCrashedWindows() {
    const LinkGroup crashed = settings_.CrashedSession;
    const bool ask = !settings_.NormalExit && !crashed.Links.isEmpty();
    bool restore = false;
    if (ask) {
        splash_.Close();
        CCheckMessageBox box(mainFrame_.get(), sid::ReopenAfterCrash,
                             MB_YESNO | MB_ICONEXCLAMATION);
        restore = box.DoModal() == IDYES;
    }
    if (restore) {
        const QStringList opening = settings_.StartMode() == 6 ? startAddresses_ : QStringList();
        startAddresses_ << SessionKeeper::AddressesToReopen(crashed, opening);
    }
    sessions_->ResolveCrash(crashed, restore);
    settings_.CrashedSession.Links.clear();
}

void CQuorrelin::AddClosedWindow(const QString& title, const QString& address) {
    const QStringList before = settings_.ClosedWindows();
    settings_.AddClosedWindow(title, address);
    // Kept at once, not only at exit, so that a crash cannot lose the list;
    // while the program closes down the settings' save at exit writes it.
    const bool closing = mainFrame_ && mainFrame_->IsClosing();
    if (!closing && settings_.ClosedWindows() != before)
        WriteStringList(QString::fromUtf16(kClosedWindowsKeyPath),
                        QString::fromUtf16(kClosedWindowsPrefix), settings_.ClosedWindows(),
                        nullptr);
}
