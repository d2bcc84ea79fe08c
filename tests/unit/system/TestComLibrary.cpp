// A component library made for the registration tests: built twice, once
// answering 0 (success) and once an error code; the second build has no
// DllUnregisterServer at all. Each call leaves a mark in the environment so
// the test sees that the export really ran.
#include <cstdint>
#include <cstdlib>

namespace {
constexpr std::int32_t kResult = TEST_COM_RESULT;
}

extern "C" __attribute__((visibility("default"))) std::int32_t DllRegisterServer() {
    setenv("QUORRELIN_TEST_COM_CALLED", "register", 1);
    return kResult;
}

#if TEST_COM_RESULT == 0
extern "C" __attribute__((visibility("default"))) std::int32_t DllUnregisterServer() {
    setenv("QUORRELIN_TEST_COM_CALLED", "unregister", 1);
    return kResult;
}
#endif
