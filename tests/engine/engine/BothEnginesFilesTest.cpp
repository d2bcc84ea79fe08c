// Files a page hands over (downloads) and printing, for both engine kinds.
#include "BothEnginesFixture.h"
#include "browser/engine/EngineDownloads.h"
#include "browser/engine/WebKitPrinter.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

TestHttpServer::Page attachment(const QByteArray& body, const QByteArray& name) {
    TestHttpServer::Page file;
    file.body = body;
    file.contentType = "application/octet-stream";
    file.extraHeaders = "Content-Disposition: attachment; filename=\"" + name + "\"\r\n";
    return file;
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_P(BothEngines, ADownloadIsSavedWhereTheUserChoseAndAServerPathIsNotFollowed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    server.addPage("/a", page("Alpha"));
    server.addPage("/get", attachment("payload-1234", "../../evil.bin"));
    ASSERT_TRUE(load(server.url("/a")));

    const QString target = folder.filePath("saved.bin");
    DialogRunner::instance().push(ScriptedAnswer::file(target));
    engine->Navigate2(server.url("/get"));
    ASSERT_TRUE(waitFor([&] { return readAll(target) == "payload-1234"; }, 15000));
    const auto& history = DialogRunner::instance().history();
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history.back().kind, "file");
    // The server's name is offered without its folders.
    EXPECT_EQ(enginedownloads::safeFileName("../../evil.bin"), "evil.bin");
    EXPECT_EQ(enginedownloads::safeFileName("..\\x\\.hidden"), "hidden");
    EXPECT_EQ(enginedownloads::safeFileName("  "), "download");
    // The page stays where it was.
    EXPECT_EQ(engine->LocationName(), "Alpha");
}

TEST_P(BothEngines, ACancelledDownloadWritesNothing) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    server.addPage("/a", page("Alpha"));
    // No attachment header: a type the engine cannot show is a file to save.
    TestHttpServer::Page file;
    file.body = "payload";
    file.contentType = "application/x-quorrelin-test";
    server.addPage("/get", file);
    ASSERT_TRUE(load(server.url("/a")));
    DialogRunner::instance().push(ScriptedAnswer::cancelFile());
    const std::size_t before = DialogRunner::instance().history().size();
    engine->Navigate2(server.url("/get"));
    ASSERT_TRUE(waitFor([&] { return DialogRunner::instance().history().size() > before; }, 15000));
    QTest::qWait(300);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_EQ(engine->LocationName(), "Alpha");
}

} // namespace

// The page set-up reaches the second engine's printing: a landscape A5 page
// comes out of the engine as a landscape A5 PDF.
TEST(WebKitPrinting, ThePageSetUpShapesThePrintedPages) {
    QPageLayout layout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 6, 7, 8),
                       QPageLayout::Millimeter);
    const engineplugin::PrintJob job = WebKitPrinter::jobFor(layout, "lp", "", 3);
    EXPECT_STREQ(job.printer, "lp");
    EXPECT_EQ(job.output, nullptr);
    EXPECT_TRUE(job.landscape);
    EXPECT_NEAR(job.paperWidth, 148, 0.5);
    EXPECT_NEAR(job.paperHeight, 210, 0.5);
    EXPECT_NEAR(job.marginLeft, 5, 0.01);
    EXPECT_NEAR(job.marginBottom, 8, 0.01);
    EXPECT_EQ(job.copies, 3);
    const engineplugin::PrintJob plain = WebKitPrinter::jobFor(QPageLayout(), "", "out.pdf", 0);
    EXPECT_EQ(plain.printer, nullptr);
    EXPECT_STREQ(plain.output, "out.pdf");
    EXPECT_EQ(plain.paperWidth, 0);
    EXPECT_LT(plain.marginTop, 0);
    EXPECT_EQ(plain.copies, 1);

    testenv::useFreshRegistry();
    registerEnginePlugin();
    const EnginePlugin* plugin = EnginePlugin::Load();
    ASSERT_NE(plugin, nullptr);
    TestHttpServer server;
    ASSERT_TRUE(server.start());
    server.addPage("/a", page("Alpha", "<p>printed text</p>"));
    RecordingEvents events;
    CWebKitEngine engine(*plugin);
    engine.SetEvents(&events);
    engine.Widget()->resize(800, 600);
    engine.Widget()->show();
    engine.Navigate2(server.url("/a"));
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") > 0; }));

    QTemporaryDir folder;
    const auto pageBox = [&](const QString& name) -> QSizeF {
        const QString path = folder.filePath(name);
        if (!engine.PrintToPdf(path))
            return {};
        QFile pdf(path);
        if (!pdf.open(QIODevice::ReadOnly))
            return {};
        const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))");
        const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf.readAll()));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    };
    // The engine's own paper first: portrait.
    const QSizeF plainBox = pageBox("plain.pdf");
    ASSERT_FALSE(plainBox.isEmpty());
    EXPECT_LT(plainBox.width(), plainBox.height());

    // Page set-up chooses landscape A5; the following print follows it.
    EXPECT_EQ(engine.QueryStatusWB(olecmd::PageSetup), olecmd::Supported | olecmd::Enabled);
    DialogRunner::instance().reset();
    DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
    DialogRunner::instance().push(ScriptedAnswer::acting([&layout](QDialog& dialog) {
        auto* setup = qobject_cast<QPageSetupDialog*>(&dialog);
        if (!setup)
            return int(QDialog::Rejected);
        setup->printer()->setPageLayout(layout);
        return int(QDialog::Accepted);
    }));
    ASSERT_TRUE(engine.ExecWB(olecmd::PageSetup));
    const QSizeF landscapeBox = pageBox("a5.pdf");
    EXPECT_NEAR(landscapeBox.width(), 595.3, 2);
    EXPECT_NEAR(landscapeBox.height(), 419.5, 2);
    DialogRunner::instance().reset();
}
