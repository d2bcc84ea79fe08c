#include "platform/os/SystemErrorText.h"

#include "platform/registry/RegTypes.h"

namespace platform {

QString SystemErrorText(long code) {
    switch (code) {
    case ERROR_SUCCESS:
        return QStringLiteral("The operation completed successfully.");
    case ERROR_FILE_NOT_FOUND:
        return QStringLiteral("The system cannot find the file specified.");
    case ERROR_ACCESS_DENIED:
        return QStringLiteral("Access is denied.");
    case ERROR_INVALID_HANDLE:
        return QStringLiteral("The handle is invalid.");
    case ERROR_OUTOFMEMORY:
        return QStringLiteral("Not enough storage is available to complete this operation.");
    case ERROR_WRITE_PROTECT:
        return QStringLiteral("The media is write protected.");
    case ERROR_DISK_FULL:
        return QStringLiteral("There is not enough space on the disk.");
    case ERROR_IO_DEVICE:
        return QStringLiteral("The request could not be performed because of an I/O device "
                              "error.");
    case ERROR_INVALID_PARAMETER:
        return QStringLiteral("The parameter is incorrect.");
    case ERROR_BUSY:
        return QStringLiteral("The requested resource is in use.");
    case ERROR_NO_MORE_ITEMS:
        return QStringLiteral("No more data is available.");
    case ERROR_REGISTRY_CORRUPT:
        return QStringLiteral("The registry is corrupted. The structure of one of the files "
                              "containing registry data is corrupted, or the system's memory "
                              "image of the file is corrupted, or the file could not be "
                              "recovered because the alternate copy or log was absent or "
                              "corrupted.");
    case ERROR_KEY_DELETED:
        return QStringLiteral("Illegal operation attempted on a registry key that has been "
                              "marked for deletion.");
    case ERROR_UNSUPPORTED_TYPE:
        return QStringLiteral("Data of this type is not supported.");
    default:
        return QStringLiteral("Unknown error.");
    }
}

} // namespace platform
