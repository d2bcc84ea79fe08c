#pragma once

#include "platform/registry/RegTypes.h"

#include <QString>

namespace platform {

// One step read from a .reg file, in file order. Value steps act on the key
// of the nearest OpenKey step before them; the reader never produces a value
// step without one.
struct RegFileOperation {
    enum class Kind {
        OpenKey,     // [ROOT\path]: create the key when missing
        DeleteKey,   // [-ROOT\path]: delete the key and its subtree (missing is fine)
        SetValue,    // "name"=data or @=data
        DeleteValue, // "name"=- (missing is fine)
    };

    Kind kind = Kind::OpenKey;
    int line = 0;                         // 1-based line of the step in the file
    RegRoot root = RegRoot::CurrentUser;  // OpenKey, DeleteKey
    QString path;                         // OpenKey, DeleteKey: below root, never empty for DeleteKey
    QString name;                         // SetValue, DeleteValue: empty is the default value
    RegValue value;                       // SetValue
};

} // namespace platform
