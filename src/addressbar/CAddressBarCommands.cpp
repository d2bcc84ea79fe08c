#include "addressbar/CAddressBarCommands.h"

#include "addressbar/CAddressBar.h"
#include "addressbar/CAddressComboBox.h"
#include "app/CAppSettings.h"
#include "framework/CommandIds.h"

namespace {

bool isEditCommand(unsigned id) {
    return id == cmd::EditCut || id == cmd::EditCopy || id == cmd::EditPaste ||
           id == cmd::EditSelectAll;
}

} // namespace

CAddressBarCommands::CAddressBarCommands(CAddressBar& bar, CAppSettings& settings,
                                         PageSource activePage)
    : m_bar(bar), m_settings(settings), m_activePage(std::move(activePage)) {
    registerEditCommands();
    registerListCommands();
}

void CAddressBarCommands::registerEditCommands() {
    CAddressComboBox* box = m_bar.ComboBox();
    commands().on(cmd::EditCut, [box] { box->Cut(); });
    commands().on(cmd::EditCopy, [box] { box->Copy(); });
    commands().on(cmd::EditPaste, [box] { box->Paste(); });
    commands().on(cmd::EditSelectAll, [box] { box->SelectAll(); });
    commands().onUpdate(cmd::EditCut, [box](CommandState& s) { s.enable(box->HasSelection()); });
    commands().onUpdate(cmd::EditCopy, [box](CommandState& s) { s.enable(box->HasSelection()); });
    commands().onUpdate(cmd::EditPaste,
                        [](CommandState& s) { s.enable(CAddressComboBox::CanPaste()); });
    commands().onUpdate(cmd::EditSelectAll,
                        [box](CommandState& s) { s.enable(!box->currentText().isEmpty()); });
}

void CAddressBarCommands::registerListCommands() {
    commands().on(cmd::ClearAddresses, [this] { m_bar.ClearAddressList(); });
    commands().on(cmd::ImportQuickCommands,
                  [this] { ImportQuickCommandsInteractive(m_bar.window(), m_settings); });
    commands().on(cmd::ExportQuickCommands, [this] {
        ExportQuickCommandsInteractive(m_bar.window(), m_settings.QuickCommands);
    });
    commands().on(cmd::ImportAutoClose,
                  [this] { ImportAutoCloseInteractive(m_bar.window(), m_settings); });
    commands().on(cmd::ExportAutoClose,
                  [this] { ExportAutoCloseInteractive(m_bar.window(), m_settings.AutoClose); });
    commands().on(cmd::SendQuickCommands, [this] {
        MailQuickCommands(m_bar.window(), m_settings.QuickCommands, m_mailer);
    });
    commands().on(cmd::SendAutoClose,
                  [this] { MailAutoCloseList(m_bar.window(), m_settings.AutoClose, m_mailer); });
    for (unsigned id : {cmd::SendQuickCommands, cmd::SendAutoClose})
        commands().onUpdate(id, [this](CommandState& s) { s.enable(bool(m_mailer)); });
    commands().on(cmd::AddToAutoClose, [this] { addToAutoClose(m_activePage); });
    commands().onUpdate(cmd::AddToAutoClose, [this](CommandState& s) {
        s.enable(m_activePage && m_activePage().has_value());
    });
    commands().on(cmd::TabAddToAutoClose, [this] { addToAutoClose(m_contextPage); });
    commands().onUpdate(cmd::TabAddToAutoClose, [this](CommandState& s) {
        s.enable(m_contextPage && m_contextPage().has_value());
    });
}

void CAddressBarCommands::addToAutoClose(const PageSource& source) {
    const std::optional<Page> page = source ? source() : std::nullopt;
    if (!page)
        return;
    QAbstractItemModel* completions =
        m_settings.AutoComplete != 0 ? m_bar.ComboBox()->model() : nullptr;
    if (AddPageToAutoClose(m_bar.window(), m_settings, page->address, completions) && page->close)
        page->close();
}

bool CAddressBarCommands::editElsewhere(unsigned id) const {
    return isEditCommand(id) && !m_bar.HasFocus();
}

bool CAddressBarCommands::onCommand(unsigned id) {
    return !editElsewhere(id) && CommandTarget::onCommand(id);
}

bool CAddressBarCommands::onUpdateCommand(CommandState& state) {
    return !editElsewhere(state.id()) && CommandTarget::onUpdateCommand(state);
}

bool CAddressBarCommands::hasCommandHandler(unsigned id) const {
    return !editElsewhere(id) && CommandTarget::hasCommandHandler(id);
}
