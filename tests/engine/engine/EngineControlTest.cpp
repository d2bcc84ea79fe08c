// What a CWebEngine lets a page load and run, and its commands.
#include "EngineFixture.h"

#include "platform/os/OfflineState.h"
#include "platform/registry/RegKey.h"

#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEnginePage>

#include <memory>

namespace {

QByteArray titleScriptPage() {
    return "<html><head><title>Static</title></head><body>"
           "<script>document.title='Scripted';</script></body></html>";
}

TEST_F(EngineTest, ScriptsOffKeepsTheStaticTitle) {
    server.addPage("/t", titleScriptPage());
    engine->SetDownloadControl(dlctl::Default | dlctl::NoScripts, false);
    ASSERT_TRUE(load(server.url("/t")));
    EXPECT_EQ(engine->LocationName(), "Static");
    EXPECT_EQ(events.count("TitleChange Scripted"), 0);
    // The engine's own questions to the page still work.
    EXPECT_TRUE(engine->ElementAtPoint(QPoint(10, 10)));

    // Back on, with the refresh the flags ask for.
    events.log.clear();
    engine->SetDownloadControl(dlctl::Default, true);
    ASSERT_TRUE(waitFor([&] { return engine->LocationName() == "Scripted"; }));
}

TEST_F(EngineTest, ImagesOffLoadsNoImage) {
    TestHttpServer::Page image;
    image.body = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42m"
                                        "P8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");
    image.contentType = "image/png";
    server.addPage("/one.png", image);
    server.addPage("/two.png", image);
    server.addPage("/one", page("One", "<img src='/one.png'>"
                                       "<div style='width:10px;height:10px;"
                                       "background-image:url(/two.png)'></div>"));
    engine->SetDownloadControl(dlctl::Default & ~dlctl::Images, false);
    ASSERT_TRUE(load(server.url("/one")));
    QTest::qWait(300);
    EXPECT_FALSE(server.requested("/one.png"));
    EXPECT_FALSE(server.requested("/two.png"));

    engine->SetDownloadControl(dlctl::Default, true);
    ASSERT_TRUE(waitFor([&] { return server.requested("/one.png"); }));
}

TEST_F(EngineTest, SilentShowsNoScriptDialogsAndAnswersNo) {
    server.addPage("/ask", page("Ask", "<script>alert('hello');"
                                       "var c=confirm('sure?');var p=prompt('name?','x');"
                                       "document.title='done '+c+' '+p;</script>"));
    CWebEngine::SetGlobalSilent(true);
    // The engine's own silent property does not matter.
    engine->SetSilent(false);
    ASSERT_TRUE(load(server.url("/ask")));
    ASSERT_TRUE(waitFor([&] { return engine->LocationName() == "done false null"; }));
    EXPECT_TRUE(DialogRunner::instance().history().empty());
}

TEST_F(EngineTest, ScriptDialogsRunThroughTheDialogRunner) {
    server.addPage("/ask", page("Ask", "<script>alert('hello');"
                                       "var c=confirm('sure?');var p=prompt('name?','x');"
                                       "document.title='done '+c+' '+p;</script>"));
    engine->SetSilent(true);
    DialogRunner& runner = DialogRunner::instance();
    runner.push(ScriptedAnswer::button(QMessageBox::Ok));
    runner.push(ScriptedAnswer::button(QMessageBox::Ok));
    ScriptedAnswer typed = ScriptedAnswer::button(QDialog::Accepted);
    typed.text = QStringLiteral("typed");
    runner.push(typed);
    ASSERT_TRUE(load(server.url("/ask")));
    ASSERT_TRUE(waitFor([&] { return engine->LocationName() == "done true typed"; }));
    ASSERT_EQ(runner.history().size(), 3u);
    for (const DialogRunner::Record& record : runner.history())
        EXPECT_EQ(record.title, QStringLiteral("来自网页的消息"));

    // Cancelled confirm and prompt.
    runner.reset();
    runner.setMode(DialogRunner::Mode::Scripted);
    runner.push(ScriptedAnswer::button(QMessageBox::Ok));
    runner.push(ScriptedAnswer::button(QMessageBox::Cancel));
    runner.push(ScriptedAnswer::button(QDialog::Rejected));
    engine->Refresh();
    ASSERT_TRUE(waitFor([&] { return engine->LocationName() == "done false null"; }));
}

TEST_F(EngineTest, TextSizeLevelsZoomThePageAndSurviveNavigation) {
    server.addPage("/a", page("Alpha"));
    server.addPage("/b", page("Beta"));
    ASSERT_TRUE(load(server.url("/a")));
    EXPECT_EQ(engine->ZoomLevel(), 2);
    EXPECT_DOUBLE_EQ(engine->page()->zoomFactor(), 1.0);

    EXPECT_TRUE(engine->ExecWB(olecmd::Zoom, 4));
    EXPECT_EQ(engine->ZoomLevel(), 4);
    EXPECT_NEAR(engine->page()->zoomFactor(), 1.4, 0.001);
    EXPECT_FALSE(engine->ExecWB(olecmd::Zoom, 5));
    EXPECT_FALSE(engine->ExecWB(olecmd::Zoom, -1));
    EXPECT_EQ(engine->ZoomLevel(), 4);

    EXPECT_TRUE(engine->ExecWB(olecmd::Zoom, 0));
    ASSERT_TRUE(load(server.url("/b")));
    EXPECT_EQ(engine->ZoomLevel(), 0);
    EXPECT_NEAR(engine->page()->zoomFactor(), 0.7, 0.001);
    EXPECT_EQ(engine->QueryStatusWB(olecmd::Zoom), olecmd::Supported | olecmd::Enabled);
}

TEST_F(EngineTest, OfflineRefusesNetworkPages) {
    server.addPage("/a", page("Alpha"));
    ASSERT_TRUE(platform::SetOffline(true));
    EXPECT_TRUE(engine->Offline());
    ASSERT_TRUE(load(server.url("/a")));
    // The page shows the engine's error page and still completes.
    EXPECT_EQ(events.count("DocumentComplete"), 1);
    EXPECT_FALSE(server.requested("/a"));

    // The engine's own switch refuses as well.
    ASSERT_TRUE(platform::SetOffline(false));
    engine->SetOffline(true);
    EXPECT_TRUE(engine->Offline());
    ASSERT_TRUE(load(server.url("/a")));
    EXPECT_FALSE(server.requested("/a"));

    engine->SetOffline(false);
    EXPECT_FALSE(engine->Offline());
    ASSERT_TRUE(load(server.url("/a")));
    EXPECT_TRUE(server.requested("/a"));
    EXPECT_TRUE(waitFor([&] { return engine->LocationName() == "Alpha"; }));
}

TEST_F(EngineTest, SavePageWritesTheDocumentOrReportsFailure) {
    server.addPage("/a", page("Alpha", "<p>saved body text</p>"));
    ASSERT_TRUE(load(server.url("/a")));
    const QString folder = testenv::freshDir("save");
    const QString path = folder + "/page.htm";
    ASSERT_TRUE(engine->SavePage(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("saved body text"));

    // A folder that cannot be made: a file stands in its place.
    QFile blocker(folder + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(engine->SavePage(folder + "/file/page.htm"));
    EXPECT_FALSE(engine->SavePage(QString()));
}

TEST_F(EngineTest, HomeAndSearchOpenTheBrowserSettingsPagesOrABlankPage) {
    engine->GoHome();
    ASSERT_TRUE(waitFor([&] { return events.count("DocumentComplete") == 1; }));
    EXPECT_EQ(engine->LocationURL(), "about:blank");

    server.addPage("/start", page("Start"));
    server.addPage("/search", page("Search"));
    platform::RegKey key = platform::RegKey::create(platform::RegRoot::CurrentUser,
                                                    "Software\\Microsoft\\Internet Explorer\\Main");
    ASSERT_EQ(key.setString("Start Page", server.url("/start")), platform::ERROR_SUCCESS);
    ASSERT_EQ(key.setString("Search Page", server.url("/search")), platform::ERROR_SUCCESS);
    engine->GoHome();
    ASSERT_TRUE(waitFor([&] { return events.count("DocumentComplete") == 2; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/start"));
    engine->GoSearch();
    ASSERT_TRUE(waitFor([&] { return events.count("DocumentComplete") == 3; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/search"));
}

TEST_F(EngineTest, CommandsAskThroughTheDialogRunner) {
    server.addPage("/a", page("Alpha", "<p>find me here</p>"));
    ASSERT_TRUE(load(server.url("/a")));
    DialogRunner& runner = DialogRunner::instance();

    runner.push(ScriptedAnswer::button(QDialog::Accepted));
    EXPECT_TRUE(engine->ExecWB(olecmd::Properties));
    ASSERT_EQ(runner.history().size(), 1u);
    EXPECT_EQ(runner.history().back().title, QStringLiteral("属性"));

    ScriptedAnswer find = ScriptedAnswer::button(QDialog::Accepted);
    find.text = QStringLiteral("find me");
    runner.push(find);
    EXPECT_TRUE(engine->ExecBrowserCommand(browsercmd::Find));
    runner.push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_FALSE(engine->ExecBrowserCommand(browsercmd::Find));
    EXPECT_FALSE(engine->ExecBrowserCommand(browsercmd::InternetOptions));

    runner.push(ScriptedAnswer::cancelFile());
    EXPECT_FALSE(engine->ExecWB(olecmd::SaveAs));
    runner.push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_FALSE(engine->ExecWB(olecmd::Print));
    runner.push(ScriptedAnswer::button(QDialog::Accepted));
    EXPECT_TRUE(engine->ExecWB(olecmd::PageSetup));
    runner.push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_FALSE(engine->ExecWB(olecmd::PageSetup));
    runner.push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_TRUE(engine->ExecWB(olecmd::PrintPreview));
    EXPECT_EQ(runner.history().back().text, QStringLiteral("QPrintPreviewDialog"));
    EXPECT_EQ(runner.pendingAnswers(), 0);

    EXPECT_EQ(engine->QueryStatusWB(olecmd::PageSetup), olecmd::Supported | olecmd::Enabled);
    EXPECT_EQ(engine->QueryStatusWB(9999), 0);
    EXPECT_FALSE(engine->ExecWB(9999));
}

TEST_F(EngineTest, SaveAsWritesTheChosenFileAndViewSourceOpensAWindowOfItsOwn) {
    server.addPage("/a", page("Alpha", "<p>kept text</p>"));
    ASSERT_TRUE(load(server.url("/a")));
    const QString path = testenv::freshDir("saveas") + "/copy.mht";
    DialogRunner::instance().push(ScriptedAnswer::file(path));
    ASSERT_TRUE(engine->ExecWB(olecmd::SaveAs));
    EXPECT_TRUE(DialogRunner::instance().history().back().text.endsWith("Alpha.htm"));
    ASSERT_TRUE(waitFor([&] { return QFile(path).size() > 0; }));

    ASSERT_TRUE(engine->ExecBrowserCommand(browsercmd::ViewSource));
    QWebEngineView* source = nullptr;
    for (QWebEngineView* view : engine->Widget()->findChildren<QWebEngineView*>())
        source = view;
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->isWindow());
    const QString sourceUrl = "view-source:" + server.url("/a");
    EXPECT_TRUE(waitFor([&] { return source->url().toString() == sourceUrl; }))
        << source->url().toString().toStdString();
    // The engine's own page stays where it was, and no new window was asked.
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_EQ(events.count("NewWindow2"), 0);
}

// Prints the engine's page into a PDF file through the print dialog
// (answered by choosing that file); true once the file is a PDF.
::testing::AssertionResult printsToPdf(CWebEngine& engine, const QString& name) {
    const QString pdf = testenv::freshDir(name) + "/page.pdf";
    DialogRunner::instance().push(ScriptedAnswer::acting([pdf](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return static_cast<int>(QDialog::Accepted);
    }));
    if (!engine.ExecWB(olecmd::Print))
        return ::testing::AssertionFailure() << "print refused";
    if (engine.QueryStatusWB(olecmd::Print) != olecmd::Supported)
        return ::testing::AssertionFailure() << "print not disabled while printing";
    if (!waitFor([&] {
            return engine.QueryStatusWB(olecmd::Print) == (olecmd::Supported | olecmd::Enabled);
        }))
        return ::testing::AssertionFailure() << "printing never ended";
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF"))
        return ::testing::AssertionFailure() << "no PDF written";
    return ::testing::AssertionSuccess();
}

// What the page's script sees of its visibility ("visible" or "hidden").
QString visibilityState(CWebEngine& engine) {
    auto state = std::make_shared<QString>();
    engine.page()->runJavaScript(QStringLiteral("document.visibilityState"),
                                 [state](const QVariant& value) { *state = value.toString(); });
    waitFor([&] { return !state->isEmpty(); });
    return *state;
}

TEST_F(EngineTest, PrintWritesThePageThroughThePrinterChosen) {
    server.addPage("/a", page("Alpha", "<p>printed</p>"));
    ASSERT_TRUE(load(server.url("/a")));
    EXPECT_TRUE(printsToPdf(*engine, "print"));
}

TEST_F(EngineTest, APageNobodyCanSeeIsNotDrawnButLoadsTitlesSavesAndPrints) {
    QWebEnginePage* shown = engine->page();
    ASSERT_TRUE(shown->isVisible());
    engine->SetPageVisible(false);
    EXPECT_FALSE(shown->isVisible());
    // The widget shown again (its window restored) does not draw it.
    engine->Widget()->hide();
    engine->Widget()->show();
    EXPECT_FALSE(shown->isVisible());

    server.addPage("/late", page("Early", "<p>saved body text</p>"
                                          "<script>setTimeout(function() {"
                                          "document.title = 'Late'; }, 100);</script>"));
    ASSERT_TRUE(load(server.url("/late")));
    EXPECT_TRUE(waitFor([&] { return events.count("TitleChange Late") == 1; }));
    EXPECT_EQ(visibilityState(*engine), "hidden");
    const QString path = testenv::freshDir("hidden") + "/page.htm";
    ASSERT_TRUE(engine->SavePage(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("saved body text"));
    EXPECT_TRUE(printsToPdf(*engine, "hiddenprint"));
    EXPECT_FALSE(shown->isVisible());

    // Seen again: drawn at once; the widget's own hiding still counts.
    engine->SetPageVisible(true);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(visibilityState(*engine), "visible");
    engine->Widget()->hide();
    EXPECT_FALSE(shown->isVisible());
    engine->Widget()->show();
    EXPECT_TRUE(shown->isVisible());
}

TEST_F(EngineTest, FileDownloadsAskWhereAndReportBeginAndEnd) {
    TestHttpServer::Page file;
    file.body = "zip-bytes";
    file.contentType = "application/octet-stream";
    file.extraHeaders = "Content-Disposition: attachment; filename=\"data.bin\"\r\n";
    server.addPage("/data.bin", file);
    server.addPage("/a", page("Alpha"));
    ASSERT_TRUE(load(server.url("/a")));
    const QString target = testenv::freshDir("download") + "/saved.bin";
    DialogRunner::instance().push(ScriptedAnswer::file(target));
    events.log.clear();
    engine->Navigate2(server.url("/data.bin"));
    ASSERT_TRUE(waitFor([&] { return QFile(target).size() == 9; }));
    ASSERT_TRUE(
        waitFor([&] { return events.count("DownloadBegin") == events.count("DownloadComplete"); }));
    EXPECT_GE(events.count("DownloadBegin"), 1);
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_FALSE(engine->Busy());
}

} // namespace
