#include "SearchHookHost.h"

#include "platform/com/ComAbi.h"
#include "platform/registry/RegKey.h"
#include "system/RegistryRead.h"

#include <QFile>
#include <QUuid>

#include <dlfcn.h>


namespace {

constexpr char16_t kHooksKey[] = u"Software\\Microsoft\\Internet Explorer\\URLSearchHooks";
// The address buffer handed to a hook, in characters.
constexpr std::uint32_t kBufferChars = 8192;

std::optional<com::GUID> parseClsid(const QString& text) {
    const QUuid id(text);
    if (id.isNull())
        return std::nullopt;
    com::GUID guid{id.data1, id.data2, id.data3, {}};
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = id.data4[i];
    return guid;
}

// A library kept loaded while its objects are in use.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const QString& path)
        : handle_(dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (handle_)
            dlclose(handle_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    void* symbol(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

private:
    void* handle_;
};

} // namespace

std::vector<SearchHookHost::Hook> SearchHookHost::RegisteredHooks() const {
    std::vector<Hook> found;
    const platform::RegKey hooks = platform::RegKey::open(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kHooksKey), nullptr, registry_);
    for (const auto& value : hooks.values()) {
        const auto library = readRegistryString(
            platform::RegRoot::ClassesRoot,
            QStringLiteral("CLSID\\") + value.name + QStringLiteral("\\InprocServer32"), QString(),
            registry_);
        if (library && !library->isEmpty())
            found.push_back(Hook{value.name, *library});
    }
    return found;
}

std::optional<SearchHookHost::Translation> SearchHookHost::Translate(const QString& text) {
    if (text.size() + 1 > static_cast<qsizetype>(kBufferChars))
        return std::nullopt;
    for (const Hook& hook : RegisteredHooks()) {
        if (auto url = TranslateWith(hook.library, hook.clsid, text))
            return Translation{*url, hook.library};
    }
    return std::nullopt;
}

std::optional<QString> SearchHookHost::TranslateWith(const QString& library, const QString& clsid,
                                                     const QString& text) {
    const std::optional<com::GUID> id = parseClsid(clsid);
    if (!id)
        return std::nullopt;
    const LoadedLibrary loaded(library);
    auto getClassObject =
        reinterpret_cast<com::DllGetClassObjectFn>(loaded.symbol("DllGetClassObject"));
    if (!getClassObject)
        return std::nullopt;
    com::IClassFactory* factory = nullptr;
    if (getClassObject(&*id, &com::IID_IClassFactory, reinterpret_cast<void**>(&factory)) !=
            com::S_OK ||
        !factory)
        return std::nullopt;
    com::IURLSearchHook* hook = nullptr;
    const com::HRESULT made =
        factory->CreateInstance(nullptr, com::IID_IURLSearchHook, reinterpret_cast<void**>(&hook));
    factory->Release();
    if (made != com::S_OK || !hook)
        return std::nullopt;
    std::vector<char16_t> buffer(kBufferChars, 0);
    std::copy(text.utf16(), text.utf16() + text.size(), buffer.begin());
    const com::HRESULT translated = hook->Translate(buffer.data(), kBufferChars);
    hook->Release();
    if (translated != com::S_OK)
        return std::nullopt;
    buffer.back() = 0;
    return QString::fromUtf16(buffer.data());
}
