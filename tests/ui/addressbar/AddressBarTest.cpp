#include "AddressBarFixture.h"

#include "addressbar/CFlatImageButton.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QMenu>

namespace {

using Navigation = StandInOwner::Navigation;

class AddressBarTest : public AddressBarFixture {
protected:
    void addSearchCommand() {
        QuickCommand search;
        search.Type = QuickCommand::Search;
        search.Title = QStringLiteral("Search");
        search.Command = QStringLiteral("gs");
        search.URL = QStringLiteral("http://search.example/search?q=%s");
        owner->settings.QuickCommands = {search};
    }
};

TEST_F(AddressBarTest, EnterOpensAQuickCommandInTheActiveWindowWithoutRememberingIt) {
    addSearchCommand();
    CAddressBar& bar = makeBar();
    type(bar, QStringLiteral("gs cats"));
    press(bar, Qt::Key_Return);
    const QString url = QStringLiteral("http://search.example/search?q=cats");
    EXPECT_EQ(owner->navigations, (std::vector<Navigation>{{url, false, false}}));
    EXPECT_EQ(text(bar), url);

    // Ctrl held: a quick command is translated, never completed.
    type(bar, QStringLiteral("GS dogs"));
    press(bar, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(owner->navigations.back().address,
              QStringLiteral("http://search.example/search?q=dogs"));
}

TEST_F(AddressBarTest, ModifiersChooseTheNewWindowAndTheCompletion) {
    CAddressBar& bar = makeBar();
    type(bar, QStringLiteral("  example  "));
    press(bar, Qt::Key_Return, Qt::ShiftModifier);
    type(bar, QStringLiteral("example"));
    press(bar, Qt::Key_Return, Qt::ControlModifier);
    type(bar, QStringLiteral("Example.org"));
    press(bar, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    type(bar, QStringLiteral("WWW.example.net"));
    press(bar, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(owner->navigations,
              (std::vector<Navigation>{{QStringLiteral("example"), true, true},
                                       {QStringLiteral("www.example.com"), true, false},
                                       {QStringLiteral("www.Example.org.com"), true, true},
                                       {QStringLiteral("WWW.example.net"), true, false}}));
    // The completed text stays in the box, selected whole.
    EXPECT_EQ(text(bar), QStringLiteral("WWW.example.net"));
    EXPECT_EQ(bar.ComboBox()->lineEdit()->selectedText(), QStringLiteral("WWW.example.net"));
}

TEST_F(AddressBarTest, BlankTextOpensNothingAndStaysAsItIs) {
    CAddressBar& bar = makeBar();
    type(bar, QStringLiteral("   "));
    press(bar, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(owner->navigations.empty());
    EXPECT_EQ(text(bar), QStringLiteral("   "));
}

TEST_F(AddressBarTest, EscapeReturnsToTheLastAddressTheProgramShowed) {
    CAddressBar& bar = makeBar();
    bar.SetAddressText(QStringLiteral("http://first.example/"));
    type(bar, QStringLiteral("typing"));
    press(bar, Qt::Key_Escape);
    EXPECT_EQ(text(bar), QStringLiteral("http://first.example/"));
    // Escape ends the edit: the program's addresses show again.
    bar.SetAddressText(QStringLiteral("http://second.example/"), true);
    EXPECT_EQ(text(bar), QStringLiteral("http://second.example/"));
    EXPECT_EQ(bar.ComboBox()->lineEdit()->selectedText(), text(bar));
}

TEST_F(AddressBarTest, ThePageNeverReplacesTextTheUserIsTyping) {
    CAddressBar& bar = makeBar();
    bar.SetAddressText(QStringLiteral("http://before.example/"));
    bar.FocusAddress();
    // Focus alone is no edit: the page's addresses still show.
    bar.SetAddressText(QStringLiteral("http://loading.example/"), true);
    EXPECT_EQ(text(bar), QStringLiteral("http://loading.example/"));
    // ... and stay selected, so that typing replaces them instead of being
    // put in front of an address that arrived after the focus.
    bar.SetAddressText(QStringLiteral("about:blank"), false);
    QTest::keyClicks(bar.ComboBox(), QStringLiteral("my own"));
    const QString typed = text(bar);
    EXPECT_EQ(typed, QStringLiteral("my own"));
    bar.SetAddressText(QStringLiteral("http://loaded.example/"), false);
    bar.SetAddressText(QString());
    EXPECT_EQ(text(bar), typed);
    // The refused address is where Escape goes back to.
    press(bar, Qt::Key_Escape);
    EXPECT_EQ(text(bar), QStringLiteral("http://loaded.example/"));

    // An edit left behind (the focus went elsewhere) is replaced.
    QTest::keyClicks(bar.ComboBox(), QStringLiteral("left"));
    bar.ComboBox()->clearFocus();
    bar.SetAddressText(QStringLiteral("http://later.example/"));
    EXPECT_EQ(text(bar), QStringLiteral("http://later.example/"));
}

TEST_F(AddressBarTest, TabGoesToThePageOnlyWhenThereIsOne) {
    CAddressBar& bar = makeBar();
    owner->hasPage = true;
    type(bar, QStringLiteral("x"));
    press(bar, Qt::Key_Tab);
    EXPECT_EQ(owner->pageFocusRequests, 1);
    EXPECT_TRUE(bar.HasFocus()); // the stand-in page takes no focus itself
    owner->hasPage = false;
    press(bar, Qt::Key_Tab);
    EXPECT_EQ(owner->pageFocusRequests, 2);
    EXPECT_TRUE(owner->navigations.empty());
}

TEST_F(AddressBarTest, GoButtonFollowsShowGoButtonAndNavigates) {
    owner->settings.ShowGoButton = 1;
    CAddressBar& bar = makeBar();
    const CFlatImageButton* go = bar.GoButton();
    ASSERT_TRUE(go->isVisible());
    EXPECT_EQ(go->size(), QSize(22, 20));
    EXPECT_EQ(go->geometry().right() + 1, bar.width() - CAddressBar::kGap);
    EXPECT_EQ(bar.ComboBox()->geometry().right() + 1, go->x() - CAddressBar::kGap);
    EXPECT_EQ(bar.ComboBox()->x(), bar.Label()->width() + CAddressBar::kGap);
    EXPECT_EQ(bar.Label()->x(), 0);

    type(bar, QStringLiteral("example.org"));
    QTest::mouseClick(bar.GoButton(), Qt::LeftButton);
    EXPECT_EQ(owner->navigations,
              (std::vector<Navigation>{{QStringLiteral("example.org"), true, false}}));

    owner->settings.ShowGoButton = 0;
    bar.UpdateLayout();
    EXPECT_FALSE(go->isVisible());
    EXPECT_EQ(bar.ComboBox()->geometry().right() + 1, bar.width());
    owner->settings.ShowGoButton = 1;
    bar.resize(600, 30);
    QTRY_VERIFY(go->isVisible());
    EXPECT_EQ(go->geometry().right() + 1, 600 - CAddressBar::kGap);
}

TEST_F(AddressBarTest, GoButtonShowsItsFourFrames) {
    CAddressBar& bar = makeBar();
    CFlatImageButton* go = bar.GoButton();
    EXPECT_EQ(go->BitmapId(), 146);
    EXPECT_EQ(go->CurrentState(), res::ImageState::Normal);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(go, &enter);
    EXPECT_EQ(go->CurrentState(), res::ImageState::Hot);
    go->setDown(true);
    EXPECT_EQ(go->CurrentState(), res::ImageState::Pressed);
    go->setDown(false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(go, &leave);
    EXPECT_EQ(go->CurrentState(), res::ImageState::Normal);
    go->setEnabled(false);
    EXPECT_EQ(go->CurrentState(), res::ImageState::Disabled);
    EXPECT_FALSE(go->LoadBitmap(999, true));
    EXPECT_EQ(go->BitmapId(), 146);
}

TEST_F(AddressBarTest, PickingFromTheListOpensItAtOnceAndMovesItToTheTop) {
    CAddressBar& seed = makeBar();
    for (const char* url : {"http://c.example/", "http://b.example/", "http://a.example/"})
        seed.AddToAddressList(QString::fromLatin1(url));
    CAddressComboBox* box = seed.ComboBox();
    ASSERT_EQ(box->count(), 3);
    emit box->activated(2);
    EXPECT_EQ(owner->navigations,
              (std::vector<Navigation>{{QStringLiteral("http://c.example/"), false, false}}));
    EXPECT_EQ(box->List().Addresses(),
              (QStringList{"http://c.example/", "http://a.example/", "http://b.example/"}));
    EXPECT_EQ(text(seed), QStringLiteral("http://c.example/"));

    // The new order is in the registry already.
    StandInOwner other;
    EXPECT_EQ(makeBar(&other).ComboBox()->List().Addresses(), box->List().Addresses());

    // The arrow key in the closed box picks too.
    seed.FocusAddress();
    box->setCurrentIndex(0);
    press(seed, Qt::Key_Down);
    EXPECT_EQ(owner->navigations.size(), 2u);
    EXPECT_EQ(owner->navigations.back().address, QStringLiteral("http://a.example/"));
}

TEST_F(AddressBarTest, CompletionOffersHistoryEntriesContainingTheTypedText) {
    owner->settings.AutoComplete = 0;
    CAddressBar& bar = makeBar();
    EXPECT_EQ(bar.ComboBox()->completer(), nullptr);
    for (const char* url :
         {"http://www.example.com/", "http://other.example/", "ftp://files.test/"})
        bar.AddToAddressList(QString::fromLatin1(url));

    bar.SetAutoComplete(true);
    QCompleter* completer = bar.ComboBox()->completer();
    ASSERT_NE(completer, nullptr);
    type(bar, QStringLiteral("EXAMPLE"));
    QTRY_VERIFY(completer->popup()->isVisible());
    EXPECT_EQ(completer->completionCount(), 2);

    // Enter on a highlighted completion opens it at once.
    completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
    QTest::keyClick(completer->popup(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_FALSE(completer->popup()->isVisible());
    ASSERT_EQ(owner->navigations.size(), 1u);
    EXPECT_EQ(owner->navigations[0].address, QStringLiteral("http://other.example/"));
    EXPECT_TRUE(owner->navigations[0].newWindow);

    bar.SetAutoComplete(false);
    EXPECT_EQ(bar.ComboBox()->completer(), nullptr);
}

TEST_F(AddressBarTest, RightClickOutsideTheBoxAsksTheOwnerForTheBarMenu) {
    CAddressBar& bar = makeBar();
    QContextMenuEvent onLabel(QContextMenuEvent::Mouse, QPoint(2, 2),
                              bar.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(bar.Label(), &onLabel);
    EXPECT_EQ(owner->barMenus, 1);
}

TEST_F(AddressBarTest, TheBoxMenuEditsTheTextAndClearsTheHistory) {
    owner->settings.ConfirmClearAddress = 1;
    CAddressBar& bar = makeBar();
    bar.AddToAddressList(QStringLiteral("http://kept.example/"));
    bar.SetAddressText(QStringLiteral("http://page.example/"));
    bar.FocusAddress();
    const std::unique_ptr<QMenu> menu(bar.ComboBox()->CreateEditMenu(nullptr));
    const QList<QAction*> actions = menu->actions();
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts << action->text();
    EXPECT_EQ(texts, (QStringList{"剪切(&T)\tCtrl+X", "复制(&C)\tCtrl+C", "粘贴(&P)\tCtrl+V",
                                  "删除(&D)", "全选(&S)\tCtrl+A", "清理地址(&C)..."}));
    EXPECT_TRUE(actions[0]->isEnabled()); // the text is selected

    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    actions.back()->trigger();
    EXPECT_EQ(lastMessage(), QStringLiteral("你想清空所有的地址吗？"));
    EXPECT_EQ(bar.ComboBox()->count(), 1);
}

} // namespace
