#pragma once

#include <QString>

#include <cstdint>

// The id of this process's main window, which names its session key. Each
// running instance has its own: the process id.
std::int32_t MainWindowId();

// The session key of the main window id (kSessionsKeyPath + "\" + the id in
// signed decimal); an id of 0 means this process's own MainWindowId().
QString SessionKeyPath(std::int32_t id);
