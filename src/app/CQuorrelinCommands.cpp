// The application's commands that open windows or act on all of them, and
// the download-control commands (which act on the active window or on all).

#include "app/CQuorrelin.h"
#include "browser/BrowserViewRules.h"
#include "browser/CBrowserView.h"
#include "browser/COpenLocationDialog.h"
#include "browser/MozillaDetectCommand.h"
#include "browser/engine/CWebEngine.h"
#include "frame/CMainFrame.h"
#include "framework/CommandIds.h"
#include "framework/DialogRunner.h"
#include "platform/os/OfflineState.h"
#include "platform/registry/RegTypes.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "system/IeSettings.h"
#include "system/MozillaControl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QMimeData>

namespace {

// A clipboard text longer than this is no address.
constexpr qsizetype kMaxClipboardAddress = 8 * 1024;

constexpr unsigned kDownloadCommands[] = {
    cmd::DownloadImages, cmd::DownloadVideos,  cmd::DownloadSounds, cmd::DownloadActiveX,
    cmd::DownloadJava,   cmd::DownloadScripts, cmd::DownloadSilent,
};

QString blankIfEmpty(const QString& address) {
    return address.isEmpty() ? QStringLiteral("about:blank") : address;
}

} // namespace

void CQuorrelin::RegisterCommands() {
    RegisterNewWindowCommands();
    RegisterDownloadCommands();
    CommandMap& map = commands();
    const auto anyWindow = [this](CommandState& state) { state.enable(!AllViews().empty()); };
    map.on(cmd::RefreshAll, [this] {
        for (CBrowserView* view : AllViews())
            view->Refresh();
    });
    map.onUpdate(cmd::RefreshAll, anyWindow);
    map.on(cmd::StopAll, [this] {
        for (CBrowserView* view : AllViews())
            view->Stop();
    });
    map.onUpdate(cmd::StopAll, anyWindow);
    map.on(cmd::WorkOffline, [this] { ToggleWorkOffline(); });
    map.onUpdate(cmd::WorkOffline, [this](CommandState& state) { state.setCheck(IsOffline()); });
    map.on(cmd::FileOpen, [this] { OpenLocation(); });
    map.on(cmd::WebSite, [this] { OpenNewWindow(0, res::loadString(sid::WebSiteAddress)); });
}

void CQuorrelin::RegisterNewWindowCommands() {
    CommandMap& map = commands();
    const auto mozilla = [](CommandState& state) { state.enable(IsMozillaControlAvailable()); };
    map.on(cmd::NewBlankPage, [this] {
        if (OpenNewWindow(0, QStringLiteral("about:blank")) && mainFrame_)
            mainFrame_->FocusAddressBar();
    });
    map.on(cmd::NewMozillaBlank, [this] {
        if (OpenNewWindow(1, QStringLiteral("about:blank")) && mainFrame_)
            mainFrame_->FocusAddressBar();
    });
    map.onUpdate(cmd::NewMozillaBlank, mozilla);
    map.on(cmd::NewHomePage, [this] { OpenNewWindow(0, blankIfEmpty(readIeStartPage())); });
    map.on(cmd::NewMozillaHome, [this] { OpenNewWindow(1, blankIfEmpty(readIeStartPage())); });
    map.onUpdate(cmd::NewMozillaHome, mozilla);
    map.on(cmd::NewCurrentPage, [this] { OpenNewWindow(0, blankIfEmpty(ActiveAddress())); });
    map.onUpdate(cmd::NewCurrentPage,
                 [this](CommandState& state) { state.enable(ActiveView() != nullptr); });
    map.on(cmd::NewMozillaCurrent, [this] { OpenNewWindow(1, blankIfEmpty(ActiveAddress())); });
    map.onUpdate(cmd::NewMozillaCurrent, [this](CommandState& state) {
        state.enable(ActiveView() != nullptr && IsMozillaControlAvailable());
    });
    map.on(cmd::NewFromClipboard, [this] { OpenNewWindow(0, blankIfEmpty(clipboardAddress_)); });
    map.onUpdate(cmd::NewFromClipboard,
                 [this](CommandState& state) { state.enable(UpdateClipboardAddress()); });
    map.on(cmd::NewMozillaFromClipboard,
           [this] { OpenNewWindow(1, blankIfEmpty(clipboardAddress_)); });
    map.onUpdate(cmd::NewMozillaFromClipboard, [this](CommandState& state) {
        const bool text = UpdateClipboardAddress();
        state.enable(text && IsMozillaControlAvailable());
    });
    map.on(cmd::DetectMozilla,
           [this] { RunMozillaDetection(mainFrame_.get(), ProgramPluginFolder()); });
}

QString CQuorrelin::ActiveAddress() const {
    const CBrowserView* view = ActiveView();
    return view ? view->LocationURL() : QString();
}

bool CQuorrelin::UpdateClipboardAddress() {
    clipboardAddress_.clear();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasText())
        return false;
    const QString text = data->text().trimmed();
    if (text.isEmpty() || text.size() > kMaxClipboardAddress)
        return false;
    clipboardAddress_ = text;
    return true;
}

void CQuorrelin::ToggleWorkOffline() {
    if (!platform::SetOffline(!IsOffline()))
        ShowSystemError(platform::ERROR_ACCESS_DENIED, mainFrame_.get());
}

// The open-location dialog: a new window (of the engine it chose) when it
// asks for one or none is active, else the active window; the text goes
// through the quick commands and opens as a command-line address does.
void CQuorrelin::OpenLocation() {
    COpenLocationDialog::Options options;
    if (const QComboBox* box = mainFrame_ ? mainFrame_->AddressBox() : nullptr) {
        for (int i = 0; i < box->count(); ++i)
            options.addresses << box->itemText(i);
    }
    options.autoComplete = settings_.AutoComplete != 0;
    options.newWindow = settings_.OpenInNewWindow != 0;
    options.mozillaAvailable = IsMozillaControlAvailable();
    COpenLocationDialog dialog(mainFrame_.get(), options);
    if (DialogRunner::instance().exec(dialog) != QDialog::Accepted)
        return;
    CBrowserView* view = dialog.NewWindow() ? nullptr : ActiveView();
    if (!view)
        view = CreateBrowserWindow(dialog.UseMozilla() ? 1 : 0, true, true);
    if (view)
        view->Navigate(Translate(dialog.Address()), CBrowserView::NothingToRemember, true);
}

// ---------------------------------------------------------------------------
// Download control

void CQuorrelin::RegisterDownloadCommands() {
    CommandMap& map = commands();
    for (const unsigned id : kDownloadCommands) {
        map.on(id, [this, id] { ToggleDownloadBit(id); });
        map.onUpdate(id, [this, id](CommandState& state) {
            const bool all = settings_.ApplyDownloadOptionsToAll != 0;
            const CBrowserView* view = ActiveView();
            const std::uint32_t flags = all || !view
                                            ? static_cast<std::uint32_t>(settings_.DownloadOptions)
                                            : view->DownloadControl();
            state.setCheck(DownloadCommandChecked(id, flags));
            state.enable(all || view);
        });
    }
    map.on(cmd::ApplyDownloadOptionsToAll, [this] { ToggleApplyDownloadOptionsToAll(); });
    map.onUpdate(cmd::ApplyDownloadOptionsToAll, [this](CommandState& state) {
        state.setCheck(settings_.ApplyDownloadOptionsToAll != 0);
    });
}

// Page script errors and messages stay silent exactly while the global
// download options have the silent bit, whatever a window's own flags say.
void CQuorrelin::ApplyGlobalSilent() {
    CWebEngine::SetGlobalSilent(
        (static_cast<std::uint32_t>(settings_.DownloadOptions) & dlctl::Silent) != 0);
}

void CQuorrelin::ToggleDownloadBit(unsigned id) {
    const std::optional<std::uint32_t> bit = DownloadCommandBit(id);
    if (!bit)
        return;
    if (settings_.ApplyDownloadOptionsToAll != 0) {
        settings_.DownloadOptions =
            static_cast<int>(static_cast<std::uint32_t>(settings_.DownloadOptions) ^ *bit);
        ApplyGlobalSilent();
        for (CBrowserView* view : AllViews())
            view->SetDownloadControl(static_cast<std::uint32_t>(settings_.DownloadOptions), true);
    } else if (CBrowserView* view = ActiveView()) {
        view->SetDownloadControl(view->DownloadControl() ^ *bit, true);
    }
}

void CQuorrelin::ToggleApplyDownloadOptionsToAll() {
    settings_.ApplyDownloadOptionsToAll = settings_.ApplyDownloadOptionsToAll != 0 ? 0 : 1;
    if (settings_.ApplyDownloadOptionsToAll == 0)
        return;
    if (const CBrowserView* active = ActiveView())
        settings_.DownloadOptions = static_cast<int>(active->DownloadControl());
    ApplyGlobalSilent();
    for (CBrowserView* view : AllViews())
        view->SetDownloadControl(static_cast<std::uint32_t>(settings_.DownloadOptions), true);
}
