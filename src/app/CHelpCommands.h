#pragma once

#include "framework/CommandTarget.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The Help menu's commands and the framework's document commands the
// application keeps: 57664 the about box, 32800 the help pages (index.html
// of the help folder, opened in a new browser window; missing: message
// 51482 naming the file), 57600 a new blank window (asking which engine
// while the second one is available) and 57606 the printer set-up.
class CHelpCommands : public CommandTarget {
public:
    // Opens url in a new activated browser window of engine (0 or 1).
    using WindowOpener = std::function<void(int engine, const QString& url)>;
    using Availability = std::function<bool()>;

    // helpFolder: where the help pages are. parent owns the dialogs.
    CHelpCommands(QWidget* parent, QString helpFolder, WindowOpener open,
                  Availability secondEngine);
    ~CHelpCommands() override;

    // The help file the help command opens.
    QString HelpFile() const;
    // Opens the help pages; false (after the message) when they are missing.
    bool ShowHelp();
    void ShowAbout();
    // Returns the engine of the new window, or -1 when the choice was
    // cancelled.
    int NewDocument();

private:
    void PrintSetup();

    QWidget* m_parent;
    QString m_helpFolder;
    WindowOpener m_open;
    Availability m_secondEngine;
    std::unique_ptr<QPrinter> m_printer;
};
