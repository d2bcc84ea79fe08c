#pragma once

#include "addressbar/ListFileCommands.h"
#include "framework/CommandTarget.h"

#include <QString>

#include <functional>
#include <optional>

class CAddressBar;
class CAppSettings;

// The main frame's commands that belong to the address bar and to the lists
// kept beside it; the frame consults this target after its own handlers.
//
// - Cut, copy, paste and select all act on the address box while it has the
//   focus (cut enabled with a selection, paste with text on the clipboard).
//   Without the focus in the box this target does not know the commands, so
//   they travel on to whoever handles them for the page.
// - Clear addresses (32818).
// - Import and export of the quick commands (33281, 33282) and of the
//   auto-close list (33295, 33296).
// - Add to auto-close for the active window (32820, enabled with a window)
//   and for the window of the window bar's context menu (32825, enabled
//   while there is one). The window is closed once its address was added.
// - Mailing the quick commands (33298) and the auto-close list (33299),
//   enabled once a mailer is given.
class CAddressBarCommands : public CommandTarget {
public:
    // A browser window as these commands see it: its address and how to
    // close it (through its document, so a locked window asks first).
    struct Page {
        QString address;
        std::function<void()> close;
    };
    using PageSource = std::function<std::optional<Page>()>;

    // bar and settings must outlive this. activePage: the active window,
    // nothing without one.
    CAddressBarCommands(CAddressBar& bar, CAppSettings& settings, PageSource activePage);

    // Where 32825 finds its window (the window bar's context window); unset,
    // the command is disabled.
    void SetContextPageSource(PageSource contextPage) { m_contextPage = std::move(contextPage); }

    // How 33298 and 33299 send their mail; unset, both are disabled.
    void SetListMailer(ListMailer mailer) { m_mailer = std::move(mailer); }
    // The mailer given (empty when none); other lists are mailed by it too.
    const ListMailer& Mailer() const { return m_mailer; }

    bool onCommand(unsigned id) override;
    bool onUpdateCommand(CommandState& state) override;
    bool hasCommandHandler(unsigned id) const override;

private:
    void registerEditCommands();
    void registerListCommands();
    void addToAutoClose(const PageSource& source);
    // Whether id is an edit command and the box does not have the focus.
    bool editElsewhere(unsigned id) const;

    CAddressBar& m_bar;
    CAppSettings& m_settings;
    PageSource m_activePage;
    PageSource m_contextPage;
    ListMailer m_mailer;
};
