#pragma once

#include <QString>

#include <optional>

class QWidget;

// The dialogs a page or an engine command asks the user with. Each runs
// through the program's DialogRunner, so scripted runs never block.
namespace enginedialogs {

// The caption of the dialogs a page's scripts open.
QString pageMessageCaption();

// A page's alert: the message and an OK button.
void showAlert(QWidget* parent, const QString& message);
// A page's confirm: true for OK, false for Cancel.
bool askConfirm(QWidget* parent, const QString& message);
// A page's prompt: the typed text, nothing when cancelled.
std::optional<QString> askPrompt(QWidget* parent, const QString& message,
                                 const QString& defaultValue);
// The text to find in the page; nothing when cancelled or empty.
std::optional<QString> askFindText(QWidget* parent, const QString& previous);
// The page's properties: title, address and size in bytes (unknown when
// nothing).
void showProperties(QWidget* parent, const QString& title, const QString& address,
                    std::optional<qint64> bytes);

} // namespace enginedialogs
