#pragma once

#include "platform/com/ComAbi.h"

// The search hook's class id, {5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}, in
// binary and text form, and the registry places a browser finds it by.
namespace searchhook {

inline constexpr com::GUID kClsid = {
    0x5AE7F8B7, 0xBA34, 0x4349, {0xAA, 0xEA, 0x78, 0x54, 0xDE, 0xC4, 0x10, 0xF9}};
inline constexpr char16_t kClsidText[] = u"{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}";
// Below HKEY_CLASSES_ROOT.
inline constexpr char16_t kClassKey[] = u"CLSID\\{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}";
// Below HKEY_CURRENT_USER: one value per registered hook, named by its class id.
inline constexpr char16_t kHooksKey[] = u"Software\\Microsoft\\Internet Explorer\\URLSearchHooks";

} // namespace searchhook
