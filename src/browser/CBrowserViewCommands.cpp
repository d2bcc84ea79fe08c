#include "browser/CBrowserView.h"

#include "app/CCheckMessageBox.h"
#include "app/SendMailRequest.h"
#include "browser/BrowserViewRules.h"
#include "browser/IBrowserViewHost.h"
#include "frame/CChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "res/StringIds.h"
#include "system/IeVersion.h"
#include "system/InternetShortcut.h"
#include "system/TempFileName.h"

#include <QFile>

#include <array>
#include <utility>

namespace {

// The text-size commands and the zoom level each sets.
constexpr std::array<std::pair<unsigned, int>, 5> kTextSizes{{
    {cmd::TextSizeLargest, 4},
    {cmd::TextSizeLarger, 3},
    {cmd::TextSizeMedium, 2},
    {cmd::TextSizeSmaller, 1},
    {cmd::TextSizeSmallest, 0},
}};

} // namespace

void CBrowserView::registerCommands() {
    CommandMap& map = commands();
    map.on(cmd::FilePageSetup, [this] { ExecWB(olecmd::PageSetup); });
    map.onUpdate(cmd::FilePageSetup,
                 [this](CommandState& state) { state.enable(EditEnabled(olecmd::PageSetup)); });
    map.on(cmd::FileSaveAs, [this] { ExecWB(olecmd::SaveAs); });
    map.on(cmd::Properties, [this] { ExecWB(olecmd::Properties); });
    map.on(cmd::Stop, [this] { Stop(); });
    map.onUpdate(cmd::Stop, [this](CommandState& state) { state.enable(EngineBusy()); });
    map.on(cmd::EditSelectAll, [this] { ExecWB(olecmd::SelectAll); });
    map.on(cmd::EditCut, [this] { EditCut(); });
    map.onUpdate(cmd::EditCut, [this](CommandState& s) { s.enable(EditEnabled(olecmd::Cut)); });
    map.on(cmd::EditCopy, [this] { EditCopy(); });
    map.onUpdate(cmd::EditCopy, [this](CommandState& s) { s.enable(EditEnabled(olecmd::Copy)); });
    map.on(cmd::EditPaste, [this] { EditPaste(); });
    map.onUpdate(cmd::EditPaste,
                 [this](CommandState& s) { s.enable(EditEnabled(olecmd::Paste)); });
    map.on(cmd::EditFind, [this] {
        if (Engine())
            Engine()->ExecBrowserCommand(browsercmd::Find);
    });
    map.on(cmd::GoBack, [this] { GoBack(); });
    map.onUpdate(cmd::GoBack, [this](CommandState& state) { state.enable(backEnabled_); });
    map.on(cmd::GoForward, [this] { GoForward(); });
    map.onUpdate(cmd::GoForward, [this](CommandState& state) { state.enable(forwardEnabled_); });
    map.on(cmd::Refresh, [this] { Refresh(); });
    map.on(cmd::GoHome, [this] { GoHome(); });
    map.on(cmd::GoSearch, [this] { GoSearch(); });
    registerTextSizeCommands();
    map.on(cmd::ViewSource, [this] {
        if (Engine())
            Engine()->ExecBrowserCommand(browsercmd::ViewSource);
    });
    map.on(cmd::FilePrintPreview, [this] { PrintPreview(); });
    map.on(cmd::FilePrint, [this] { ExecWB(olecmd::Print); });

    // The window's own commands.
    map.on(cmd::FileClose, [this] {
        if (CChildFrame* frame = ChildFrame())
            frame->close();
    });
    map.on(cmd::LockWindow, [this] { SetLocked(!locked_); });
    map.onUpdate(cmd::LockWindow, [this](CommandState& state) { state.setCheck(locked_); });
    map.on(cmd::AutoRefresh, [this] { ToggleAutoRefresh(); });
    map.onUpdate(cmd::AutoRefresh, [this](CommandState& state) { state.setCheck(autoRefreshOn_); });
    map.on(cmd::SendLink, [this] { SendLink(); });
    map.on(cmd::SendPage, [this] { SendPage(); });
    map.onRange(cmd::History, [this](unsigned id) {
        GoToHistoryEntry(static_cast<int>(cmd::History.index(id)));
    });
}

void CBrowserView::registerTextSizeCommands() {
    for (const auto& [id, level] : kTextSizes) {
        commands().on(id, [this, level = level] { ExecWB(olecmd::Zoom, level); });
        commands().onUpdate(id, [this, level = level](CommandState& state) {
            state.setRadio((engine_ ? engine_->ZoomLevel() : 2) == level);
        });
    }
}

// Cut, copy and paste belong to a text field outside the page while it has
// the keyboard focus (the address box has its own); then the view leaves
// them to the targets after it.
bool CBrowserView::EditLeftToFocus(unsigned id) const {
    if (id != cmd::EditCut && id != cmd::EditCopy && id != cmd::EditPaste)
        return false;
    // The window's focus widget: it stays while another program is active.
    const QWidget* focus = window()->focusWidget();
    if (!focus || focus == this || isAncestorOf(focus))
        return false;
    return focus->testAttribute(Qt::WA_InputMethodEnabled);
}

bool CBrowserView::onCommand(unsigned id) {
    return !EditLeftToFocus(id) && CommandTarget::onCommand(id);
}

bool CBrowserView::onUpdateCommand(CommandState& state) {
    return !EditLeftToFocus(state.id()) && CommandTarget::onUpdateCommand(state);
}

bool CBrowserView::hasCommandHandler(unsigned id) const {
    return !EditLeftToFocus(id) && CommandTarget::hasCommandHandler(id);
}

void CBrowserView::EditCut() {
    ExecWB(olecmd::Cut);
}

void CBrowserView::EditCopy() {
    ExecWB(olecmd::Copy);
}

void CBrowserView::EditPaste() {
    ExecWB(olecmd::Paste);
}

bool CBrowserView::EditEnabled(int olecmdId) const {
    return (QueryStatusWB(olecmdId) & olecmd::Enabled) != 0;
}

// ---------------------------------------------------------------------------
// History menus

std::vector<std::pair<unsigned, QString>> CBrowserView::HistoryMenuItems(bool forward) const {
    std::vector<std::pair<unsigned, QString>> items;
    for (const auto& [index, title] : history_.MenuEntries(forward)) {
        if (static_cast<unsigned>(index) < cmd::History.size())
            items.emplace_back(cmd::History.at(static_cast<unsigned>(index)), title);
    }
    return items;
}

QString CBrowserView::HistoryPrompt(unsigned id) const {
    if (!cmd::History.contains(id))
        return QString();
    const int index = static_cast<int>(cmd::History.index(id));
    return index < history_.Count() ? history_.Urls()[index] : QString();
}

void CBrowserView::GoToHistoryEntry(int index) {
    const std::optional<int> steps = history_.StepsTo(index, LocationURL());
    if (!steps)
        return;
    for (int i = 0; i < *steps; ++i)
        GoForward();
    for (int i = 0; i > *steps; --i)
        GoBack();
}

// ---------------------------------------------------------------------------
// Print preview and mail

void CBrowserView::PrintPreview() {
    const IeVersion version = readIeVersion();
    if (PrintPreviewAllowed(version.major, version.minor)) {
        ExecWB(olecmd::PrintPreview);
        return;
    }
    CCheckMessageBox box(host_.MainWindow(), sid::PrintPreviewNeedsNewerEngine,
                         MB_ICONEXCLAMATION | MB_OK);
    box.DoModal();
}

bool CBrowserView::SendLink() {
    if (!engine_)
        return false;
    const QString path = makeTempFileName(QStringLiteral(".url"));
    if (path.isEmpty() || !writeInternetShortcut(path, LocationURL()))
        return false;
    const QString title = PageTitle();
    return host_.SendMail({title, LocationURL(), path, title + QStringLiteral(".url")});
}

bool CBrowserView::SendPage() {
    if (!engine_)
        return false;
    const QString path = makeTempFileName(QStringLiteral(".htm"));
    if (path.isEmpty())
        return false;
    if (!engine_->SavePage(path)) {
        QFile::remove(path);
        return false;
    }
    const QString title = PageTitle();
    return host_.SendMail({title, LocationURL(), path, title + QStringLiteral(".htm")});
}
