#pragma once

// The small part of the component object model that in-process components
// of this program use across a shared-library boundary: result codes, class
// and interface ids, IUnknown, IClassFactory and the two interfaces of the
// search hook. The layout is the plain C++ one (one vtable pointer, methods
// in declaration order), so a library built separately agrees on it.
//
// A component library exports four C functions (see the Dll* types below);
// a host finds them with dlsym.

#include <cstdint>
#include <cstring>

namespace com {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);

constexpr bool Succeeded(HRESULT result) {
    return result >= 0;
}

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};

inline bool operator==(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

using REFIID = const GUID&;
using REFCLSID = const GUID&;

inline constexpr GUID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr GUID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr GUID IID_IContextMenu = {
    0x000214E4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr GUID IID_IURLSearchHook = {
    0xAC60F6A0, 0x0FD9, 0x11D0, {0x99, 0xCB, 0x00, 0xC0, 0x4F, 0xD6, 0x44, 0x97}};

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default; // objects go through Release, never delete
};

class IClassFactory : public IUnknown {
public:
    // outer non-null asks for aggregation.
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** object) = 0;
    virtual HRESULT LockServer(int lock) = 0;

protected:
    ~IClassFactory() = default;
};

// A command a shell menu offers. menu and info are the host's own records,
// opaque here.
class IContextMenu : public IUnknown {
public:
    virtual HRESULT QueryContextMenu(void* menu, std::uint32_t indexMenu,
                                     std::uint32_t idCmdFirst, std::uint32_t idCmdLast,
                                     std::uint32_t flags) = 0;
    virtual HRESULT InvokeCommand(void* info) = 0;
    virtual HRESULT GetCommandString(std::uintptr_t idCmd, std::uint32_t type,
                                     std::uint32_t* reserved, char* name,
                                     std::uint32_t maxChars) = 0;

protected:
    ~IContextMenu() = default;
};

// Turns text a browser could not resolve into an address. url holds a
// NUL-terminated UTF-16 text in a buffer of bufferChars characters; on
// S_OK it holds the address instead.
class IURLSearchHook : public IUnknown {
public:
    virtual HRESULT Translate(char16_t* url, std::uint32_t bufferChars) = 0;

protected:
    ~IURLSearchHook() = default;
};

// The exports of a component library.
using DllGetClassObjectFn = HRESULT (*)(const GUID* clsid, const GUID* iid, void** object);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();

} // namespace com
