#pragma once

#include <QString>

#include <optional>

class QWidget;

// Files a page hands over for saving (a link to an archive, a response the
// engine cannot show), for both engines: where to save them is asked with
// the save dialog through the DialogRunner, and a download that fails is
// reported.
namespace enginedownloads {

// The file name to offer for a download the server named suggested (or the
// last segment of its address): no folders, no leading dots, never empty.
QString safeFileName(const QString& suggested);
// A file name made from a page's title for saving the page: characters no
// file name may carry become '_'; an empty title gives "untitled".
QString fileNameFromTitle(const QString& title);
// The path the user chose for a download of suggested; nothing when the
// dialog was cancelled.
std::optional<QString> choosePath(QWidget* parent, const QString& suggested);
// Tells the user that the download into path failed for reason.
void reportFailure(QWidget* parent, const QString& path, const QString& reason);

} // namespace enginedownloads
