#pragma once

// Outcomes of the INI exchange files: what a read or a write came to, for the
// caller to turn into its own messages. Nothing here shows anything.
namespace platform {

// How reading an exchange file ended.
enum class IniReadStatus {
    Ok,
    CannotOpen, // missing, not a regular file, or unreadable
    TooLarge,   // larger than kMaxIniFileSize
    NotText,    // holds NUL characters: a binary file, not text
};

// How writing an exchange file ended.
enum class IniWriteStatus {
    Ok,
    NothingToWrite, // the list was empty; no file was written
    CannotOpen,     // the file could not be created or written; the old one is kept
};

// What an import brought: the read's outcome and, when it is Ok, the number of
// entries appended to the list.
struct IniImportResult {
    IniReadStatus status = IniReadStatus::Ok;
    int count = 0;
    // True when the list reached its most entries and later entries of the
    // file were left out.
    bool listFull = false;
};

} // namespace platform
