#pragma once

#include <QString>

// A fresh file name in the temporary folder (QDir::tempPath()): "QRA", six
// random characters and the extension (".tmp" when none is given; a
// missing leading dot is added). The file is created exclusively, so the
// name was unused at that moment, and deleted at once: the caller writes
// it anew. Empty on failure, or when the extension holds a '/' or control
// characters or is longer than 16 characters.
QString makeTempFileName(const QString& extension = QString());
