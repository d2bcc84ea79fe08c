// Browser windows of both engine kinds in the whole application: windows
// pages open are of the opener's kind, and the auto-close list closes the
// ones it matches before they are seen.
#include "BothEnginesFixture.h"
#include "app/CAppSettings.h"
#include "app/CQuorrelin.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"

namespace {

class BothEngineWindows : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        registerEnginePlugin();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        platform::RegKey::create(platform::RegRoot::CurrentUser,
                                 QString::fromUtf16(kSettingsKeyPath))
            .setDword("CheckDefaultBrowser", 0);
        ASSERT_TRUE(server.start());
        app = std::make_unique<CQuorrelin>(environment);
        ASSERT_TRUE(app->InitInstance({}));
        app->MainFrame()->show();
    }
    void TearDown() override {
        app.reset();
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DialogRunner::instance().reset();
    }

    std::vector<CBrowserView*> views() const { return app->AllViews(); }

    TestHttpServer server;
    CQuorrelin::Environment environment;
    std::unique_ptr<CQuorrelin> app;
};

TEST_P(BothEngineWindows, PopupsTakeTheOpenersKindAndAutoCloseMatchesClose) {
    app->Settings().AutoClose = QStringList{server.url("/advert")};
    app->Settings().ClosePopups = 0;
    server.addPage("/advert", page("Advert"));
    server.addPage("/keep", page("Kept"));
    server.addPage("/opener", page("Opener", "<script>window.open('/advert');"
                                             "setTimeout(function(){window.open('/keep');}, 100);"
                                             "</script>"));
    CBrowserView* opener = app->CreateBrowserWindow(GetParam(), true, true);
    ASSERT_NE(opener, nullptr);
    opener->Navigate(server.url("/opener"), CBrowserView::NothingToRemember, false);
    ASSERT_TRUE(waitFor([&] {
        for (CBrowserView* view : views()) {
            if (view != opener && view->LocationName() == "Kept")
                return true;
        }
        return false;
    }));
    QTest::qWait(300);
    const std::vector<CBrowserView*> open = views();
    QStringList seen;
    for (CBrowserView* view : open)
        seen << view->LocationURL();
    ASSERT_EQ(open.size(), 2u) << seen.join(' ').toStdString();
    for (CBrowserView* view : open)
        EXPECT_EQ(view->EngineKind(), GetParam());
    EXPECT_FALSE(server.requested("/advert"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, BothEngineWindows, ::testing::Values(0, 1), engineKindName);

} // namespace
