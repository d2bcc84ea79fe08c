#pragma once

namespace platform {

class Registry;

// Whether the user works offline. One flag for the whole user, shared by all
// running instances through the registry: the DWORD "GlobalUserOffline"
// (non-zero = offline) of the current user's Internet settings key
// (Software, Microsoft, Windows, CurrentVersion, Internet Settings).
// registry null means the process's own.
bool IsOffline(Registry* registry = nullptr);
// Sets the flag; false when it could not be written.
bool SetOffline(bool offline, Registry* registry = nullptr);

} // namespace platform
