#include "platform/regfile/RegFileImporter.h"

#include "platform/regfile/RegFileNames.h"
#include "platform/regfile/RegFileParser.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Missing keys and values need no deleting.
RegError ignoreMissing(RegError error) {
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

RegError applyOne(const RegFileOperation& op, Registry* registry, RegKey* current) {
    switch (op.kind) {
    case RegFileOperation::Kind::OpenKey: {
        RegError error = ERROR_SUCCESS;
        *current = RegKey::create(op.root, op.path, &error, registry);
        return error;
    }
    case RegFileOperation::Kind::DeleteKey:
        *current = RegKey();
        return ignoreMissing(RegKey::root(op.root, registry).deleteSubtree(op.path));
    case RegFileOperation::Kind::SetValue:
        return current->setValue(op.name, op.value.type, op.value.data);
    case RegFileOperation::Kind::DeleteValue:
        return ignoreMissing(current->deleteValue(op.name));
    }
    return ERROR_INVALID_PARAMETER;
}

} // namespace

bool RegFileImporter::importFile(const QString& fileName, QString* error, Registry* registry) {
    // Opened without waiting (a pipe with no writer would block the open for
    // ever) and taken only when it is a regular file.
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = QStringLiteral("Cannot import \"%1\": %2")
                     .arg(fileName, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("Cannot import \"%1\": it is %2, not a regular file.")
                     .arg(fileName, S_ISDIR(info.st_mode) ? QStringLiteral("a folder")
                                                          : QStringLiteral("a pipe or device"));
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = QStringLiteral("Cannot import \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    // Read one byte past the bound so that a file that grows meanwhile is
    // refused too.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Cannot import \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    if (bytes.size() > kMaxFileSize) {
        *error = QStringLiteral("Cannot import \"%1\": the file is larger than %2 MiB.")
                     .arg(fileName)
                     .arg(kMaxFileSize / (1024 * 1024));
        return false;
    }
    return importData(bytes, fileName, error, registry);
}

bool RegFileImporter::importData(const QByteArray& bytes, const QString& fileName, QString* error,
                                 Registry* registry) {
    std::vector<RegFileOperation> operations;
    if (!RegFileParser::parse(bytes, fileName, &operations, error))
        return false;
    return apply(operations, fileName, error, registry);
}

bool RegFileImporter::apply(const std::vector<RegFileOperation>& operations,
                            const QString& fileName, QString* error, Registry* registry) {
    Registry* reg = registry ? registry : &Registry::instance();
    RegTransaction transaction(reg);
    if (transaction.beginError() != ERROR_SUCCESS) {
        *error = QStringLiteral("Cannot import \"%1\": %2")
                     .arg(fileName, regErrorMessage(transaction.beginError()));
        return false;
    }
    RegKey current;
    for (const RegFileOperation& op : operations) {
        const RegError e = applyOne(op, reg, &current);
        if (e != ERROR_SUCCESS) {
            // The transaction rolls back when it goes out of scope.
            *error = QStringLiteral("Cannot import \"%1\", line %2: %3")
                         .arg(fileName)
                         .arg(op.line)
                         .arg(regErrorMessage(e));
            return false;
        }
    }
    const RegError e = transaction.commit();
    if (e != ERROR_SUCCESS) {
        *error = QStringLiteral("Cannot import \"%1\": %2").arg(fileName, regErrorMessage(e));
        return false;
    }
    return true;
}

} // namespace platform
