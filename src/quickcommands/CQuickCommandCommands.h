#pragma once

#include <QString>

#include <functional>
#include <optional>

class CAppSettings;
class CommandMap;
class QWidget;

// Turning a page into a quick command: 33278 for the active browser window,
// 33279 for the window whose tab was right-clicked. Each opens the
// quick-command dialog on an Open command with the page's title and address
// and an empty command word; on OK the command joins the settings' list
// (refused when its word is in use) and the settings are saved. Each is
// enabled while its window exists.
class CQuickCommandCommands {
public:
    struct Page {
        QString title;
        QString address;
    };
    using PageSource = std::function<std::optional<Page>()>;

    // owner and settings must outlive this.
    CQuickCommandCommands(QWidget& owner, CAppSettings& settings, PageSource activePage,
                          PageSource contextPage);

    void Register(CommandMap& map);

    // Runs the dialog for page; true when a command was added.
    bool AddPage(const Page& page);

private:
    QWidget& m_owner;
    CAppSettings& m_settings;
    PageSource m_activePage;
    PageSource m_contextPage;
};
