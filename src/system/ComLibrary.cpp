#include "system/ComLibrary.h"

#include "platform/com/ComAbi.h"

#include <QFile>

#include <dlfcn.h>

namespace {

void* loadLibrary(const QString& path) {
    if (path.isEmpty())
        return nullptr;
    // Never unloaded: a library may bring toolkits (the engine plug-in
    // brings GTK) whose unloading would take the process down.
    return dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

bool callRegistration(void* library, bool reg) {
    const char* name = reg ? "DllRegisterServer" : "DllUnregisterServer";
    auto call = reinterpret_cast<com::DllRegisterServerFn>(dlsym(library, name));
    const bool registered = call && call() == com::S_OK;
    dlclose(library);
    return registered;
}

} // namespace

bool RegisterComLibrary(const QString& path, bool reg) {
    void* library = loadLibrary(path);
    return library && callRegistration(library, reg);
}

bool RegisterComLibraryFrom(const QString& dir, const QString& first, const QString& second) {
    void* library = loadLibrary(dir + QLatin1Char('/') + first);
    if (!library)
        library = loadLibrary(dir + QLatin1Char('/') + second);
    return library && callRegistration(library, true);
}
