#pragma once

#include <QString>

#include <memory>

class ICommandRunner;
namespace platform {
class Registry;
}

// The association that makes this program the default browser: shell verbs
// under HKEY_CLASSES_ROOT for the page and protocol classes, and on the
// desktop a .desktop entry made the default browser (the installed entry
// when the program runs from an installed tree).
class DefaultBrowser {
public:
    // The verb name and its menu text.
    static constexpr char16_t kVerb[] = u"Quorrelin";
    static constexpr char16_t kVerbText[] = u"Open with Quorrelin";
    // The classes made ours, in the order they are written.
    static constexpr const char16_t* kClasses[] = {u"htmlfile", u"http", u"https", u"ftp",
                                                   u"gopher"};

    // programPath: the absolute path of the program the association starts;
    // empty means the running program. runner: runs xdg-settings and
    // xdg-mime; null means a real process runner owned here. registry null
    // means the process's own.
    // runner and registry must outlive this object.
    explicit DefaultBrowser(QString programPath = QString(), ICommandRunner* runner = nullptr,
                            platform::Registry* registry = nullptr);
    ~DefaultBrowser();
    DefaultBrowser(const DefaultBrowser&) = delete;
    DefaultBrowser& operator=(const DefaultBrowser&) = delete;

    // The shell command line: the program path, a blank, "%1" in quotes.
    QString commandLine() const;

    // True exactly when "htmlfile\shell\Quorrelin\command" holds our command
    // line and "htmlfile\shell" names our verb, both ignoring case.
    bool isDefault() const;

    // Writes the verb keys for every class of kClasses in one transaction,
    // then (best effort) makes the desktop entry the default browser.
    // Returns whether the registry part succeeded; the desktop part never
    // makes it fail. desktopRegistered() tells how the desktop part went.
    bool makeDefault();
    bool desktopRegistered() const { return desktopRegistered_; }

private:
    QString programPath_;
    std::unique_ptr<ICommandRunner> ownRunner_;
    ICommandRunner* runner_;
    platform::Registry* registry_;
    bool desktopRegistered_ = false;
};
