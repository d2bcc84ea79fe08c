// The search-hook library as a browser uses it: loaded with dlopen, its
// objects made through the exported class factory.
#include "platform/com/ComAbi.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <vector>

using namespace com;
using platform::RegKey;
using platform::RegRoot;

namespace {

const GUID kHookClsid = {
    0x5AE7F8B7, 0xBA34, 0x4349, {0xAA, 0xEA, 0x78, 0x54, 0xDE, 0xC4, 0x10, 0xF9}};
const QString kClsidText = QStringLiteral("{5AE7F8B7-BA34-4349-AAEA-7854DEC410F9}");
const QString kHooksKey = QStringLiteral("Software\\Microsoft\\Internet Explorer\\URLSearchHooks");

class SearchHookLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        library_ = dlopen(QUORRELIN_SEARCH_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        getClassObject_ =
            reinterpret_cast<DllGetClassObjectFn>(dlsym(library_, "DllGetClassObject"));
        canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFn>(dlsym(library_, "DllCanUnloadNow"));
        register_ = reinterpret_cast<DllRegisterServerFn>(dlsym(library_, "DllRegisterServer"));
        unregister_ =
            reinterpret_cast<DllUnregisterServerFn>(dlsym(library_, "DllUnregisterServer"));
        ASSERT_TRUE(getClassObject_ && canUnloadNow_ && register_ && unregister_);
    }
    void TearDown() override {
        if (library_)
            dlclose(library_);
    }

    static void addCommand(int index, const QString& command, std::uint32_t type,
                           const QString& url, const QString& title = QStringLiteral("t")) {
        const RegKey key = RegKey::create(
            RegRoot::CurrentUser,
            QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\QuickCommands\\QuickCommand%1")
                .arg(index));
        if (!title.isNull())
            key.setString(QStringLiteral("Title"), title);
        key.setString(QStringLiteral("Command"), command);
        key.setDword(QStringLiteral("Type"), type);
        key.setString(QStringLiteral("URL"), url);
    }

    IURLSearchHook* makeHook() {
        IClassFactory* factory = nullptr;
        EXPECT_EQ(getClassObject_(&kHookClsid, &IID_IClassFactory,
                                  reinterpret_cast<void**>(&factory)),
                  S_OK);
        if (!factory)
            return nullptr;
        IURLSearchHook* hook = nullptr;
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IURLSearchHook,
                                          reinterpret_cast<void**>(&hook)),
                  S_OK);
        factory->Release();
        return hook;
    }

    // Translates text with a buffer of size characters (0: text + 256).
    // Returns the result code; *after receives the buffer's text.
    HRESULT translate(const QString& text, QString* after, std::uint32_t size = 0) {
        IURLSearchHook* hook = makeHook();
        if (!hook)
            return E_POINTER;
        std::vector<char16_t> buffer(size ? size : text.size() + 256, u'#');
        std::copy(text.utf16(), text.utf16() + text.size(), buffer.begin());
        buffer[text.size()] = 0;
        const HRESULT result = hook->Translate(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
        hook->Release();
        if (after)
            *after = QString::fromUtf16(buffer.data());
        return result;
    }

    void* library_ = nullptr;
    DllGetClassObjectFn getClassObject_ = nullptr;
    DllCanUnloadNowFn canUnloadNow_ = nullptr;
    DllRegisterServerFn register_ = nullptr;
    DllUnregisterServerFn unregister_ = nullptr;
};

TEST_F(SearchHookLibrary, TranslatesSearchAndOpenCommandsCaseSensitively) {
    addCommand(0, QStringLiteral("gs"), 1, QStringLiteral("http://s.example/?q=%s&again=%s"));
    addCommand(1, QStringLiteral("cnn"), 0, QStringLiteral("http://cnn.example/"));
    QString text;
    EXPECT_EQ(translate(QStringLiteral("gs cats and dogs"), &text), S_OK);
    EXPECT_EQ(text, QStringLiteral("http://s.example/?q=cats and dogs&again=%s"));
    EXPECT_EQ(translate(QStringLiteral("GS cats"), &text), E_FAIL);
    EXPECT_EQ(text, QStringLiteral("GS cats"));
    EXPECT_EQ(translate(QStringLiteral("cnn news"), &text), S_OK);
    EXPECT_EQ(text, QStringLiteral("http://cnn.example/"));
    // Leading blank: the whole text is the word, so nothing matches.
    EXPECT_EQ(translate(QStringLiteral(" gs cats"), &text), E_FAIL);
    EXPECT_EQ(text, QStringLiteral(" gs cats"));
    // Without an argument the "%s" is replaced by nothing.
    EXPECT_EQ(translate(QStringLiteral("gs"), &text), S_OK);
    EXPECT_EQ(text, QStringLiteral("http://s.example/?q=&again=%s"));
}

TEST_F(SearchHookLibrary, FirstMatchDecidesAndSearchWithoutPlaceFails) {
    addCommand(0, QStringLiteral("w"), 1, QStringLiteral("http://nowhere.example/"));
    addCommand(1, QStringLiteral("w"), 1, QStringLiteral("http://w.example/%s"));
    QString text;
    EXPECT_EQ(translate(QStringLiteral("w x"), &text), E_FAIL);
    EXPECT_EQ(text, QStringLiteral("w x"));
}

TEST_F(SearchHookLibrary, ListReadAfreshEndsAtGapButNotAtMissingTitle) {
    QString text;
    EXPECT_EQ(translate(QStringLiteral("a"), &text), E_FAIL); // empty list
    addCommand(0, QStringLiteral("a"), 0, QStringLiteral("http://a.example/"), QString());
    addCommand(1, QStringLiteral("b"), 0, QStringLiteral("http://b.example/"));
    addCommand(3, QStringLiteral("d"), 0, QStringLiteral("http://d.example/"));
    EXPECT_EQ(translate(QStringLiteral("a"), &text), S_OK);
    EXPECT_EQ(translate(QStringLiteral("b"), &text), S_OK);
    EXPECT_EQ(text, QStringLiteral("http://b.example/"));
    EXPECT_EQ(translate(QStringLiteral("d"), &text), E_FAIL);
}

TEST_F(SearchHookLibrary, ResultLongerThanBufferFailsWithBufferUnchanged) {
    const QString url = QStringLiteral("http://x.example/");
    addCommand(0, QStringLiteral("x"), 0, url);
    QString text;
    // Exactly the URL and its NUL fit.
    EXPECT_EQ(translate(QStringLiteral("x"), &text, url.size() + 1), S_OK);
    EXPECT_EQ(text, url);
    EXPECT_EQ(translate(QStringLiteral("x"), &text, url.size()), E_FAIL);
    EXPECT_EQ(text, QStringLiteral("x"));
}

TEST_F(SearchHookLibrary, FactoryObjectsAndUnloadCounting) {
    void* object = reinterpret_cast<void*>(1);
    const GUID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(getClassObject_(&other, &IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(getClassObject_(&kHookClsid, &IID_IURLSearchHook, &object), E_NOINTERFACE);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject_(&kHookClsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(factory->LockServer(1), S_OK);
    auto* outer = reinterpret_cast<IUnknown*>(factory);
    EXPECT_EQ(factory->CreateInstance(outer, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
    EXPECT_EQ(canUnloadNow_(), S_OK); // the failed object went again

    IContextMenu* menu = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)),
              S_OK);
    factory->Release();
    EXPECT_EQ(canUnloadNow_(), S_FALSE);
    EXPECT_EQ(menu->QueryContextMenu(nullptr, 0, 0, 0, 0), 1);
    EXPECT_EQ(menu->GetCommandString(0, 0, nullptr, nullptr, 0), 1);
    // Both faces are one object: IUnknown through the search face is the menu face.
    IURLSearchHook* search = nullptr;
    ASSERT_EQ(menu->QueryInterface(IID_IURLSearchHook, reinterpret_cast<void**>(&search)), S_OK);
    IUnknown* identity = nullptr;
    ASSERT_EQ(search->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(static_cast<void*>(identity), static_cast<void*>(menu));
    EXPECT_EQ(identity->Release(), 2u);
    EXPECT_EQ(search->Release(), 1u);
    EXPECT_EQ(menu->Release(), 0u);
    EXPECT_EQ(canUnloadNow_(), S_OK);
}

TEST_F(SearchHookLibrary, RegisteringPutsHookFirstAndKeepsOtherNames) {
    {
        const RegKey hooks = RegKey::create(RegRoot::CurrentUser, kHooksKey);
        hooks.setString(QStringLiteral("{11111111-0000-0000-0000-000000000000}"),
                        QStringLiteral("other data"));
        hooks.setString(QStringLiteral("{22222222-0000-0000-0000-000000000000}"), QString());
    }
    ASSERT_EQ(register_(), S_OK);
    ASSERT_EQ(register_(), S_OK); // twice keeps one value for the hook
    const RegKey hooks = RegKey::open(RegRoot::CurrentUser, kHooksKey);
    const auto values = hooks.values();
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, kClsidText);
    EXPECT_EQ(hooks.readString(kClsidText), QStringLiteral("Quorrelin"));
    EXPECT_EQ(values[1].name, QStringLiteral("{11111111-0000-0000-0000-000000000000}"));
    EXPECT_EQ(hooks.readString(values[1].name), QString());
    EXPECT_EQ(values[2].name, QStringLiteral("{22222222-0000-0000-0000-000000000000}"));

    const RegKey server = RegKey::open(RegRoot::ClassesRoot,
                                       QStringLiteral("CLSID\\") + kClsidText + QStringLiteral("\\InprocServer32"));
    EXPECT_EQ(server.readString(QString()),
              QFileInfo(QStringLiteral(QUORRELIN_SEARCH_LIBRARY)).absoluteFilePath());
    EXPECT_EQ(server.readString(QStringLiteral("ThreadingModel")), QStringLiteral("Apartment"));
    EXPECT_EQ(RegKey::open(RegRoot::ClassesRoot, QStringLiteral("CLSID\\") + kClsidText)
                  .readString(QString()),
              QStringLiteral("QuorrelinSearch"));

    EXPECT_EQ(unregister_(), S_OK);
    EXPECT_FALSE(RegKey::open(RegRoot::ClassesRoot, QStringLiteral("CLSID\\") + kClsidText));
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, kHooksKey).values().size(), 2u);
}

TEST_F(SearchHookLibrary, UnregisteringWithNothingRegisteredSucceeds) {
    EXPECT_EQ(unregister_(), S_OK);
}

} // namespace
