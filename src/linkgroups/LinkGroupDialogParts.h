#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

// Pieces shared by the link-group dialogs. Control ids are object names.
namespace linkgroupdialog {

// Longest texts the dialogs let in.
inline constexpr int kMaxNameLength = 128;
inline constexpr int kMaxUrlLength = 2048;

// OK (object name "1", default) and Cancel ("2") wired to accept/reject.
QDialogButtonBox* makeButtons(QDialog* dialog);
// A line edit named id holding text, at most maxLength characters.
QLineEdit* makeEdit(QWidget* parent, int id, const QString& text, int maxLength);
// False, with the focus moved to edit, when edit's trimmed text is empty.
bool requireText(QLineEdit* edit);

} // namespace linkgroupdialog
