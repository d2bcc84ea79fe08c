#pragma once

#include "EngineFixture.h"
#include "browser/engine/CWebKitEngine.h"
#include "browser/engine/EnginePlugin.h"
#include "platform/registry/RegKey.h"

#include <unistd.h>

// Registers the built plug-in of the second engine in this process's
// registry, so "available" holds and engine kind 1 can be made.
inline void registerEnginePlugin() {
    // WebKitGTK's sandbox cannot start for root (the test machine).
    if (geteuid() == 0)
        qputenv("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1");
    platform::RegKey::create(platform::RegRoot::ClassesRoot,
                             QStringLiteral("CLSID\\{1339B54C-3453-11D2-93B9-000000000000}"
                                            "\\InprocServer32"))
        .setString(QString(), QStringLiteral(QUORRELIN_ENGINE_PLUGIN));
}

// The same page tests for both engine kinds: 0 (QtWebEngine) and 1 (the
// plug-in on WebKitGTK). Each test gets an engine of the kind, shown, with
// a recorder and a loopback server.
class BothEngines : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        registerEnginePlugin();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        DialogRunner::instance().setUnscriptedHandler([](const DialogRunner::Record& record) {
            ADD_FAILURE() << "unexpected dialog: " << record.title.toStdString();
            return 0;
        });
        ASSERT_TRUE(server.start());
        engine = makeEngine(&events);
        ASSERT_NE(engine, nullptr);
    }

    void TearDown() override {
        engines.clear();
        engine = nullptr;
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DialogRunner::instance().reset();
    }

    IBrowserEngine* makeEngine(RecordingEvents* recorder) {
        std::unique_ptr<IBrowserEngine> made;
        if (GetParam() == 0) {
            made = std::make_unique<CWebEngine>();
        } else {
            const EnginePlugin* plugin = EnginePlugin::Load();
            if (!plugin) {
                ADD_FAILURE() << "the second engine's plug-in does not load";
                return nullptr;
            }
            made = std::make_unique<CWebKitEngine>(*plugin);
        }
        made->SetEvents(recorder);
        made->Widget()->resize(800, 600);
        made->Widget()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(made->Widget()));
        engines.push_back(std::move(made));
        return engines.back().get();
    }

    bool load(const QString& url, IBrowserEngine* target = nullptr,
              RecordingEvents* recorder = nullptr) {
        target = target ? target : engine;
        recorder = recorder ? recorder : &events;
        const int before = recorder->count(QStringLiteral("DownloadComplete"));
        target->Navigate2(url);
        return waitFor(
            [&] { return recorder->count(QStringLiteral("DownloadComplete")) > before; });
    }

    void runScript(const QString& script) {
        if (auto* web = dynamic_cast<CWebEngine*>(engine))
            web->page()->runJavaScript(script);
        else
            static_cast<CWebKitEngine*>(engine)->RunScript(script);
    }

    TestHttpServer server;
    RecordingEvents events;
    std::vector<std::unique_ptr<IBrowserEngine>> engines;
    IBrowserEngine* engine = nullptr;
};

inline std::string engineKindName(const ::testing::TestParamInfo<int>& info) {
    return info.param == 0 ? "QtWebEngine" : "WebKitGTK";
}
