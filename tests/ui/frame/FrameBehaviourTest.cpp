#include "FrameFixture.h"

#include "frame/CLinkBar.h"
#include "frame/CStandardToolBar.h"
#include "frame/HandOverAddress.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "framework/MessageBoxStyle.h"
#include "platform/instance/InstanceClient.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <thread>

namespace {

using Snapshot = std::vector<std::pair<QString, QByteArray>>;

Snapshot snapshot(const platform::RegKey& key) {
    Snapshot values;
    for (const auto& value : key.values())
        values.emplace_back(value.name, value.value.data);
    return values;
}

// A frame whose active browser window is known, recording what the host
// had seen when the closed window was added.
class NotingFrame : public CMainFrame {
public:
    using CMainFrame::CMainFrame;
    WindowNote note;

protected:
    WindowNote NoteActiveWindow() const override { return note; }
};

} // namespace

using FrameBehaviourTest = FrameFixture;

TEST_F(FrameBehaviourTest, AnsweringNoToTheExitQuestionKeepsEverythingButTheCheckBox) {
    host->settings.ConfirmExitApp = 1;
    auto frame = makeFrame();
    frame->show();
    frame->MdiArea()->addSubWindow(new QLabel(QStringLiteral("page")))->show();
    const Snapshot before = snapshot(settingsKey());

    // Ticking "do not ask again" and then answering No keeps the program
    // running; only the wish not to be asked again is kept.
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO, true));
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->IsClosing());
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(host->sessionSaves, 0);
    EXPECT_EQ(host->settings.ConfirmExitApp, 0);
    EXPECT_EQ(snapshot(settingsKey()), before);
    ASSERT_EQ(DialogRunner::instance().history().size(), 1u);
    EXPECT_EQ(DialogRunner::instance().history().back().text,
              QStringLiteral("你想退出 Quorrelin 吗？"));

    // No without the tick leaves the question on.
    host->settings.ConfirmExitApp = 1;
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO, false));
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(host->settings.ConfirmExitApp, 1);

    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(frame->IsClosing());
    EXPECT_EQ(host->settings.ConfirmExitApp, 0);
    EXPECT_EQ(host->sessionSaves, 1);
    EXPECT_TRUE(frame->MdiArea()->subWindowList().isEmpty());
    const platform::RegKey key = settingsKey();
    EXPECT_TRUE(key.readBinary(QStringLiteral("ReBar")));
    EXPECT_TRUE(key.readBinary(QStringLiteral("ToolBar")));
    EXPECT_TRUE(key.readBinary(QStringLiteral("MainFramePosition")));
}

TEST_F(FrameBehaviourTest, TheNotedWindowIsAddedToTheClosedWindowsAfterTheWindowsClose) {
    NotingFrame frame(*host);
    ASSERT_TRUE(frame.Create());
    frame.show();
    frame.MdiArea()->addSubWindow(new QLabel(QStringLiteral("page")))->show();
    frame.note = {QStringLiteral("Example"), QStringLiteral("http://example.com/")};
    qsizetype windowsLeftWhenAdded = -1;
    host->onAddClosedWindow = [&] {
        windowsLeftWhenAdded = frame.MdiArea()->subWindowList().size();
    };
    EXPECT_TRUE(frame.close());
    ASSERT_EQ(host->closedWindows.size(), 1u);
    EXPECT_EQ(host->closedWindows[0].first, QStringLiteral("Example"));
    EXPECT_EQ(host->closedWindows[0].second, QStringLiteral("http://example.com/"));
    EXPECT_EQ(windowsLeftWhenAdded, 0);
    host->onAddClosedWindow = nullptr;

    // Without an address nothing is added.
    NotingFrame second(*host);
    ASSERT_TRUE(second.Create());
    second.note = {QStringLiteral("Untitled"), QString()};
    EXPECT_TRUE(second.close());
    EXPECT_EQ(host->closedWindows.size(), 1u);
}

TEST_F(FrameBehaviourTest, LinkBarHoldsOneButtonPerReadableLink) {
    auto frame = makeFrame();
    EXPECT_EQ(frame->LinkBar()->linkActions().size(), 0);
    EXPECT_TRUE(frame->LinkBar()->urls().isEmpty());

    writeLink(QStringLiteral("Beta.url"), "[InternetShortcut]\r\nURL=http://beta.example/\r\n");
    writeLink(QStringLiteral("alpha.URL"), "[InternetShortcut]\r\nURL=http://alpha.example/\r\n");
    writeLink(QStringLiteral("Broken.url"), "[Something else]\r\nfoo=bar\r\n");
    writeLink(QStringLiteral("notes.txt"), "[InternetShortcut]\r\nURL=http://txt.example/\r\n");
    EXPECT_EQ(frame->RefillLinkBar(), 2);
    const QList<QAction*>& actions = frame->LinkBar()->linkActions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(CommandBinder::commandId(actions[0]), 33813u);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("alpha"));
    EXPECT_EQ(CommandBinder::commandId(actions[1]), 33814u);
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Beta"));
    EXPECT_EQ(frame->LinkBar()->urls(),
              (QStringList{QStringLiteral("http://alpha.example/"),
                           QStringLiteral("http://beta.example/")}));
    EXPECT_EQ(frame->LinkBar()->urlFor(33814), QStringLiteral("http://beta.example/"));
    EXPECT_TRUE(frame->LinkBar()->urlFor(33815).isEmpty());

    // Refilling replaces the buttons rather than adding to them.
    QFile::remove(QDir(favorites).filePath(QStringLiteral("Links/Beta.url")));
    EXPECT_EQ(frame->RefillLinkBar(), 1);
    EXPECT_EQ(frame->LinkBar()->urls(), QStringList{QStringLiteral("http://alpha.example/")});
}

TEST_F(FrameBehaviourTest, CaptionShowsTheOfflineMark) {
    host->offline = true;
    auto frame = makeFrame();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quorrelin [脱机工作]"));
    frame->SetOfflineIndication(false);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quorrelin"));
}

TEST_F(FrameBehaviourTest, AHandedOverAddressOpensOnceAndShowsTheWindow) {
    auto frame = makeFrame();
    const QString folder = testenv::freshDir(QStringLiteral("instances"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Not this process's id: the client passes over its own process.
    const platform::InstanceId id = 0x7ff00001;
    QString error;
    ASSERT_TRUE(frame->StartInstanceServer(id, folder, &error)) << error.toStdString();
    frame->showMinimized();

    std::atomic<bool> done = false;
    std::atomic<bool> found = false;
    std::optional<quint64> otherTag;
    std::thread second([&] {
        const platform::InstanceClient client(folder);
        found = client.handOver(QStringLiteral("http://example.com/page"));
        otherTag = client.sendCopyData(id, 1, QByteArray("x\0", 2));
        done = true;
    });
    const QDeadlineTimer deadline(20000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    second.join();
    // The answer comes first; the window opens on the next turn.
    while (host->handedOver.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    EXPECT_TRUE(found);
    EXPECT_EQ(host->handedOver, QStringList{QStringLiteral("http://example.com/page")});
    EXPECT_TRUE(frame->PendingAddress().isEmpty());
    EXPECT_EQ(otherTag, std::optional<quint64>(0));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->isMinimized());
}

TEST(HandOverAddress, ReadsWholeCharactersUpToTheFirstZero) {
    const QString address = QStringLiteral("http://例子.example/");
    QByteArray data(reinterpret_cast<const char*>(address.utf16()), address.size() * 2);
    EXPECT_EQ(decodeHandedOverAddress(data), address);
    EXPECT_EQ(decodeHandedOverAddress(data + QByteArray("\0\0tail", 6)), address);
    EXPECT_EQ(decodeHandedOverAddress(data + QByteArray("\x41", 1)), address); // odd byte
    EXPECT_EQ(decodeHandedOverAddress(QByteArray("\0\0a\0", 4)), QString());
    EXPECT_EQ(decodeHandedOverAddress(QByteArray()), QString());
}

TEST_F(FrameBehaviourTest, DroppedLocalFilesOpenEachInTurn) {
    auto frame = makeFrame();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a page.html")),
                  QUrl(QStringLiteral("http://example.com/remote")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/b.htm"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &drop);
    EXPECT_EQ(host->droppedFiles,
              (QStringList{QStringLiteral("/tmp/a page.html"), QStringLiteral("/tmp/b.htm")}));

    QMimeData text;
    text.setText(QStringLiteral("plain"));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(FrameBehaviourTest, BusyAnimationAndStatusPrompts) {
    auto frame = makeFrame();
    EXPECT_FALSE(frame->IsBusyAnimationPlaying());
    frame->SetBusyAnimation(true);
    EXPECT_TRUE(frame->IsBusyAnimationPlaying());
    frame->SetBusyAnimation(false);
    EXPECT_FALSE(frame->IsBusyAnimationPlaying());

    EXPECT_EQ(frame->StatusPane()->text(), QStringLiteral("就绪   "));
    frame->StandardToolBar()->commandActions().first()->hover();
    EXPECT_EQ(frame->StatusPane()->text(), res::commandPrompt(cmd::NewBlankPage));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(frame->StandardToolBar(), &leave);
    EXPECT_EQ(frame->StatusPane()->text(), QStringLiteral("就绪   "));
}

TEST_F(FrameBehaviourTest, ExitCommandAndSettingsCategories) {
    auto frame = makeFrame();
    host->settings.AutoComplete = 0;
    frame->ApplySettings(0);
    EXPECT_EQ(frame->AddressBox()->completer(), nullptr);
    host->settings.AutoComplete = 1;
    frame->ApplySettings(0);
    EXPECT_NE(frame->AddressBox()->completer(), nullptr);
    // Applying saves the whole settings record first.
    EXPECT_EQ(settingsKey().readDword(QStringLiteral("AutoComplete")), std::optional<quint32>(1));

    frame->show();
    ASSERT_TRUE(host->router.execute(cmd::AppExit));
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(frame->IsClosing());
}

TEST_F(FrameBehaviourTest, AltDPutsTheFocusIntoTheAddressBox) {
    auto frame = makeFrame();
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->MdiArea()->setFocus();
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::AltModifier);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    EXPECT_TRUE(focus == frame->AddressBox() || frame->AddressBox()->isAncestorOf(focus));
}
