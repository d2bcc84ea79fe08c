#pragma once

#include "platform/regfile/RegFileOperation.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {

class Registry;

// Imports .reg files: the whole file is read and parsed first (see
// RegFileParser), then every operation is applied in one RegTransaction.
// Either all of the file reaches the registry or, on any error, none of it.
class RegFileImporter {
public:
    // Larger files are refused unread. The bound leaves room for a value of
    // the registry's largest size written as wrapped UTF-16 hex text.
    static constexpr qint64 kMaxFileSize = 128 * 1024 * 1024;

    // registry null means Registry::instance(). False with a message naming
    // the file (and the line, for errors inside it) when nothing was written.
    static bool importFile(const QString& fileName, QString* error, Registry* registry = nullptr);
    // The same for file contents already in memory; fileName is for messages.
    static bool importData(const QByteArray& bytes, const QString& fileName, QString* error,
                           Registry* registry = nullptr);
    // Applies parsed operations in one transaction.
    static bool apply(const std::vector<RegFileOperation>& operations, const QString& fileName,
                      QString* error, Registry* registry = nullptr);
};

} // namespace platform
