// The application's browser windows: the two templates, the creation of a
// window, the services the views ask of the program, and the addresses that
// reach the program from outside (start list, hand-over, dropped files, the
// address box).

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressBarCommands.h"
#include "app/ScriptAddress.h"
#include "app/CCheckMessageBox.h"
#include "app/CDocTemplate.h"
#include "app/CQuorrelin.h"
#include "app/ScriptAddress.h"
#include "app/SendMailThread.h"
#include "app/SendMailThreads.h"
#include "browser/CBrowserView.h"
#include "browser/CMozillaDoc.h"
#include "browser/CMozillaView.h"
#include "browser/CQuorrelinDoc.h"
#include "browser/CQuorrelinView.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/ClosedWindowsMenu.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "framework/WaitCursor.h"
#include "quickcommands/QuickCommandTranslation.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "res/images/AppIcons.h"
#include "system/VisitHistory.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>
#include <QUrl>

namespace {

// Resource ids of the two templates (also their window icons).
constexpr unsigned kIeTemplateId = 168;
constexpr unsigned kMozillaTemplateId = 169;

} // namespace

void CQuorrelin::CreateTemplates() {
    ieTemplate_ = std::make_unique<CDocTemplate>(
        kIeTemplateId, CQuorrelinView::kEngineKind,
        [] { return std::make_unique<CQuorrelinDoc>(); },
        [this](CBrowserDoc& document) -> std::unique_ptr<CBrowserView> {
            return std::make_unique<CQuorrelinView>(*this, document);
        });
    mozillaTemplate_ = std::make_unique<CDocTemplate>(
        kMozillaTemplateId, CMozillaView::kEngineKind,
        [] { return std::make_unique<CMozillaDoc>(); },
        [this](CBrowserDoc& document) -> std::unique_ptr<CBrowserView> {
            return std::make_unique<CMozillaView>(*this, document);
        });
}

void CQuorrelin::ConnectMainFrame() {
    router_.setActiveWindowSource([this] {
        CChildFrame* frame = ActiveChildFrame();
        return CommandRouter::ActiveWindow{frame ? frame->View() : nullptr, frame};
    });
    historyMenu_ = new QMenu(mainFrame_.get());
    historyMenu_->setObjectName(QStringLiteral("historyMenu"));
    mainFrame_->SetHistoryMenuFactory([this](bool forward) -> QMenu* {
        if (!ActiveView())
            return nullptr;
        FillHistoryMenu(forward);
        return historyMenu_;
    });
    mainFrame_->Binder().setPromptProvider([this](unsigned id, QAction*) -> std::optional<QString> {
        if (cmd::ClosedWindows.contains(id))
            return closedWindowAddress(id, settings_.ClosedWindows());
        const CBrowserView* view = ActiveView();
        if (!view || !cmd::History.contains(id))
            return std::nullopt;
        return view->HistoryPrompt(id);
    });
    // The quick commands and the auto-close list travel by mail too.
    mainFrame_->AddressCommands()->SetListMailer(
        [this](const QString& subject, const QString& path, const QString& name) {
            return SendMail(SendMailRequest{subject, QString(), path, name});
        });
}

void CQuorrelin::FillHistoryMenu(bool forward) {
    historyMenu_->clear();
    const CBrowserView* view = ActiveView();
    if (!view)
        return;
    for (const auto& [id, title] : view->HistoryMenuItems(forward))
        historyMenu_->addAction(mainFrame_->Binder().createAction(id, title, historyMenu_));
}

// ---------------------------------------------------------------------------
// Creating a window

CBrowserView* CQuorrelin::CreateBrowserWindow(int engine, bool activate, bool show) {
    const WaitCursor wait;
    CDocTemplate& chosen = engine == 1 ? *mozillaTemplate_ : *ieTemplate_;
    const QIcon icon = res::AppIcons::windowIcon(chosen.EngineKind());
    CChildFrame* frame = mainFrame_ ? chosen.CreateNewFrame(mainFrame_->MdiArea()) : nullptr;
    if (!frame) {
        ShowErrorMessage(mainFrame_.get(), sid::CannotCreateWindow);
        return nullptr;
    }
    frame->setWindowIcon(icon);
    CBrowserView* after = settings_.AppendNewWindow != 0 ? nullptr : ActiveView();
    CBrowserView* view = frame->View();
    if (settings_.ApplyDownloadOptionsToAll != 0)
        view->SetDownloadControl(static_cast<std::uint32_t>(settings_.DownloadOptions), false);
    if (!show) {
        view->MarkAwaitingFirstUrl();
        return view;
    }
    mainFrame_->WindowBarTabs().insert(view, activate, after);
    // MaximizeChild follows the maximised state of the shown windows (the
    // main frame's window management keeps it).
    const bool maximize = settings_.MaximizeChild != 0;
    if (activate)
        frame->ShowWindow(maximize ? CChildFrame::Show::Maximized : CChildFrame::Show::Activate);
    else
        frame->ShowWindow(CChildFrame::Show::NoActivate);
    return view;
}

CBrowserView* CQuorrelin::OpenNewWindow(int engine, const QString& url) {
    CBrowserView* view = CreateBrowserWindow(engine, true, true);
    if (view)
        view->Navigate(url, CBrowserView::NothingToRemember, false);
    return view;
}

// ---------------------------------------------------------------------------
// Views and their windows

CChildFrame* CQuorrelin::ActiveChildFrame() const {
    return mainFrame_ ? mainFrame_->ActiveChildFrame() : nullptr;
}

CBrowserView* CQuorrelin::ActiveView() const {
    return mainFrame_ ? mainFrame_->ActiveView() : nullptr;
}

std::vector<CBrowserView*> CQuorrelin::AllViews() const {
    std::vector<CBrowserView*> views;
    for (const CDocTemplate* owner : {ieTemplate_.get(), mozillaTemplate_.get()}) {
        for (const CBrowserDoc* document : owner->Documents()) {
            if (CBrowserView* view = document->View())
                views.push_back(view);
        }
    }
    return views;
}

void CQuorrelin::SetAddressText(const QString& text, bool navigationStart) {
    if (CAddressBar* bar = mainFrame_ ? mainFrame_->AddressBar() : nullptr)
        bar->SetAddressText(text, navigationStart);
}

void CQuorrelin::AddToAddressList(const QString& url) {
    if (CAddressBar* bar = mainFrame_ ? mainFrame_->AddressBar() : nullptr)
        bar->AddToAddressList(url);
}

void CQuorrelin::SetBusyAnimation(bool on) {
    if (mainFrame_)
        mainFrame_->SetBusyAnimation(on);
}

void CQuorrelin::SetStatusText(const QString& text) {
    if (mainFrame_ && mainFrame_->StatusPane())
        mainFrame_->StatusPane()->setText(text.isEmpty() ? res::loadString(sid::IdleMessage)
                                                         : text);
}

void CQuorrelin::ShowFailedAddress(const QString& address) {
    CAddressBar* bar = mainFrame_ ? mainFrame_->AddressBar() : nullptr;
    if (!bar)
        return;
    bar->SetAddressText(address);
    mainFrame_->FocusAddressBar();
}

void CQuorrelin::RefreshFrameTitle() {
    if (mainFrame_)
        mainFrame_->RefreshCaption();
}

WindowBarModel* CQuorrelin::WindowBarTabs() {
    return mainFrame_ ? &mainFrame_->WindowBarTabs() : nullptr;
}

void CQuorrelin::PostCommand(unsigned id) {
    QTimer::singleShot(0, this, [this, id] { router_.dispatch(id); });
}

QWidget* CQuorrelin::MainWindow() const {
    return mainFrame_.get();
}

// ---------------------------------------------------------------------------
// Mail

bool CQuorrelin::SendMail(SendMailRequest request) {
    return mailThreads_->Start(std::move(request));
}

void CQuorrelin::ReportMailResult(int result) {
    if (!IsReportedMailResult(result))
        return;
    const QString code =
        QStringLiteral("0x") + QString::number(static_cast<quint32>(result), 16).toUpper();
    CCheckMessageBox box(
        mainFrame_.get(),
        res::formatString(sid::CannotLoadMail, {{QStringLiteral("%errorcode%"), code}}),
        MB_ICONEXCLAMATION | MB_OK);
    box.DoModal();
}

// ---------------------------------------------------------------------------
// Addresses from outside

QString CQuorrelin::Translate(const QString& text) const {
    return TranslateQuickCommand(settings_.QuickCommands, text).value_or(text);
}

void CQuorrelin::OpenHandedOverAddress(const QString& address) {
    receivedAddresses_ << address;
    // Another process may hand over anything; a script address would run
    // inside the page of an existing window, and in a new window it would
    // only run against a blank page. It opens nothing.
    const QString target = Translate(address);
    if (IsScriptAddress(address) || IsScriptAddress(target))
        return;
    CBrowserView* view = settings_.OpenInNewWindow == 0 ? ActiveView() : nullptr;
    if (!view)
        view = CreateBrowserWindow(0, true, true);
    if (view)
        view->Navigate(target, CBrowserView::NothingToRemember, false);
}

void CQuorrelin::OpenDroppedFile(const QString& path) {
    receivedAddresses_ << path;
    if (CBrowserView* view = CreateBrowserWindow(0, true, true))
        view->Navigate(QUrl::fromLocalFile(path).toString(), CBrowserView::NothingToRemember,
                       false);
}

void CQuorrelin::NavigateAddress(const QString& address, bool newWindow) {
    NavigateFromAddressBar(address, false, newWindow);
}

void CQuorrelin::NavigateFromAddressBar(const QString& address, bool remember, bool newWindow) {
    CBrowserView* view = newWindow ? nullptr : ActiveView();
    if (!view)
        view = CreateBrowserWindow(0, true, true);
    if (view)
        view->Navigate(address,
                       remember ? CBrowserView::RememberNextUrl : CBrowserView::NothingToRemember,
                       false);
}

void CQuorrelin::RecordVisit(const QString& url, const QString& title) {
    SharedVisitHistory().Record(url, title);
}
