#pragma once

#include <QString>

namespace searchhook {

// The absolute path of this library file; empty when it cannot be found.
QString ModulePath();
// The program that lives in this library's folder ("quorrelin"); empty when
// the library's path is unknown.
QString ProgramBesideModule();
// Starts program as a process of its own without arguments; false when it
// could not be started.
bool StartProgram(const QString& program);

} // namespace searchhook
