#include "FrameFixture.h"

#include "frame/CCustomizeToolbarDialog.h"
#include "frame/CDropDownButton.h"
#include "frame/CLinkBar.h"
#include "frame/CReBarArea.h"
#include "frame/CStandardToolBar.h"
#include "frame/DropDownMenus.h"
#include "frame/ReBarLayout.h"
#include "frame/ToolBarLayout.h"
#include "frame/WindowPlacement.h"
#include "framework/CommandBinder.h"
#include "framework/CommandIds.h"
#include "res/MenuTable.h"
#include "res/StringTable.h"

#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

const std::vector<std::uint32_t> kDefaultOrder = {kBandStandardButtons, kBandAddress,
                                                  kBandAnimation, kBandLinks, kBandWindowBar};

std::vector<std::uint32_t> bandIds(const ReBarLayout& layout) {
    std::vector<std::uint32_t> ids;
    for (const ReBarBand& band : layout.bands)
        ids.push_back(band.id);
    return ids;
}

std::vector<std::uint32_t> rowStarts(const ReBarLayout& layout) {
    std::vector<std::uint32_t> ids;
    for (std::size_t i = 1; i < layout.bands.size(); ++i)
        if (layout.bands[i].startsRow())
            ids.push_back(layout.bands[i].id);
    return ids;
}

// The bands a frame shows, by the rows they sit in (top to bottom, each
// left to right), read from the laid-out window.
std::vector<std::vector<std::uint32_t>> shownRows(CMainFrame& frame) {
    std::map<int, std::map<int, std::uint32_t>> rows;
    for (std::uint32_t id : kDefaultOrder) {
        const QToolBar* bar = frame.BandBar(id);
        if (bar->isVisible())
            rows[bar->y()][bar->x()] = id;
    }
    std::vector<std::vector<std::uint32_t>> result;
    for (const auto& [y, row] : rows) {
        result.emplace_back();
        for (const auto& [x, id] : row)
            result.back().push_back(id);
    }
    return result;
}

std::vector<std::uint32_t> toolbarCommands(const CStandardToolBar& toolBar) {
    std::vector<std::uint32_t> commands;
    for (QAction* action : toolBar.commandActions())
        commands.push_back(CommandBinder::commandId(action));
    return commands;
}

std::vector<std::uint32_t> defaultCommands() { return ToolBarLayout::defaults().commands; }

} // namespace

using FrameLayoutTest = FrameFixture;

TEST_F(FrameLayoutTest, FirstRunShowsTheDefaultBandsInThreeRows) {
    auto frame = makeFrame();
    const ReBarLayout layout = frame->CurrentReBarLayout();
    EXPECT_EQ(bandIds(layout), kDefaultOrder);
    EXPECT_EQ(rowStarts(layout), (std::vector<std::uint32_t>{kBandLinks, kBandWindowBar}));
    for (std::uint32_t id : kDefaultOrder) {
        EXPECT_EQ(frame->BandBar(id)->objectName(), QStringLiteral("band%1").arg(id));
        EXPECT_TRUE(frame->IsBandVisible(id)) << id;
    }
    EXPECT_TRUE(frame->toolBarBreak(frame->BandBar(kBandLinks)));
    EXPECT_TRUE(frame->toolBarBreak(frame->BandBar(kBandWindowBar)));
    EXPECT_FALSE(frame->toolBarBreak(frame->BandBar(kBandAnimation)));

    frame->resize(900, 600);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    EXPECT_EQ(shownRows(*frame),
              (std::vector<std::vector<std::uint32_t>>{
                  {kBandStandardButtons, kBandAddress, kBandAnimation}, {kBandLinks},
                  {kBandWindowBar}}));
    // The address box takes the room of its row; the animation keeps its
    // size at the row's end.
    const QToolBar* animation = frame->BandBar(kBandAnimation);
    QTRY_VERIFY(frame->AddressBarPlaceholder()->width() > 400);
    EXPECT_LE(animation->width(), animation->sizeHint().width() + 2);
    EXPECT_EQ(toolbarCommands(*frame->StandardToolBar()), defaultCommands());
    frame->hide();
}

TEST_F(FrameLayoutTest, HiddenLinkBarAndToolbarChangesSurviveARestart) {
    {
        auto frame = makeFrame();
        frame->resize(900, 600);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(host->router.execute(cmd::ViewLinks));
        EXPECT_FALSE(frame->IsBandVisible(kBandLinks));
        ToolBarLayout buttons = ToolBarLayout::defaults();
        buttons.commands.push_back(ToolBarLayout::kToolBarSeparator);
        buttons.commands.push_back(cmd::GoHome);
        frame->StandardToolBar()->setButtons(buttons);
        EXPECT_TRUE(frame->close());
    }
    const auto saved = settingsKey().readBinary(QStringLiteral("ReBar"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->size(), ReBarLayout::kValueSize);

    auto frame = makeFrame();
    const ReBarLayout layout = frame->CurrentReBarLayout();
    EXPECT_EQ(bandIds(layout), kDefaultOrder);
    EXPECT_EQ(rowStarts(layout), (std::vector<std::uint32_t>{kBandLinks, kBandWindowBar}));
    EXPECT_FALSE(frame->IsBandVisible(kBandLinks));
    EXPECT_TRUE(frame->IsBandVisible(kBandAddress));
    EXPECT_EQ(frame->LinkBar()->findChild<QLabel*>(QStringLiteral("linksCaption"))->text(),
              QStringLiteral("链接   "));
    std::vector<std::uint32_t> expected = defaultCommands();
    expected.push_back(cmd::GoHome);
    EXPECT_EQ(toolbarCommands(*frame->StandardToolBar()), expected);
    EXPECT_EQ(frame->StandardToolBar()->buttons().commands.size(), expected.size() + 1);
}

TEST_F(FrameLayoutTest, SavedBandOrderAndHiddenAddressAreRestored) {
    ReBarLayout stored = ReBarLayout::defaults(StandardButtonsMetrics{24, 24, 7});
    // Links first on its own row, then the other bands; the address hidden.
    std::swap(stored.bands[0], stored.bands[3]);
    stored.bands[0].style &= ~kBandStyleBreak;
    stored.bands[1].style |= kBandStyleBreak;
    stored.band(kBandAddress)->child = 0;
    ASSERT_EQ(writeReBarLayout(settingsKey(), stored), platform::ERROR_SUCCESS);

    auto frame = makeFrame();
    const ReBarLayout layout = frame->CurrentReBarLayout();
    EXPECT_EQ(bandIds(layout), (std::vector<std::uint32_t>{kBandLinks, kBandAddress, kBandAnimation,
                                                           kBandStandardButtons, kBandWindowBar}));
    EXPECT_EQ(rowStarts(layout), (std::vector<std::uint32_t>{kBandAddress, kBandWindowBar}));
    EXPECT_FALSE(frame->IsBandVisible(kBandAddress));
    EXPECT_TRUE(frame->IsBandVisible(kBandLinks));
}

TEST_F(FrameLayoutTest, DamagedSavedValuesGiveTheDefaultLayout) {
    const std::vector<std::pair<const char*, QByteArray>> damages = {
        {"garbage rebar", QByteArray(400, '\xff')},
        {"rebar too long", QByteArray(401, '\0')},
        {"rebar of one byte", QByteArray(1, '\x50')},
    };
    for (const auto& [what, rebar] : damages) {
        SCOPED_TRACE(what);
        testenv::useFreshRegistry();
        const platform::RegKey key = settingsKey();
        key.setBinary(QStringLiteral("ReBar"), rebar);
        key.setBinary(QStringLiteral("ToolBar"), QByteArray("\x07garbage", 8));
        key.setBinary(QStringLiteral("MainFramePosition"), QByteArray(43, '\x2c'));
        auto frame = makeFrame();
        const ReBarLayout layout = frame->CurrentReBarLayout();
        EXPECT_EQ(bandIds(layout), kDefaultOrder);
        EXPECT_EQ(rowStarts(layout), (std::vector<std::uint32_t>{kBandLinks, kBandWindowBar}));
        for (std::uint32_t id : kDefaultOrder)
            EXPECT_TRUE(frame->IsBandVisible(id)) << id;
        EXPECT_EQ(toolbarCommands(*frame->StandardToolBar()), defaultCommands());
        const QRect before = frame->geometry();
        EXPECT_EQ(frame->RestorePlacement(), kShowNormal);
        EXPECT_EQ(frame->geometry(), before);
    }
    // A rebar value that is the wrong type counts as missing too.
    testenv::useFreshRegistry();
    settingsKey().setDword(QStringLiteral("ReBar"), 7);
    auto frame = makeFrame();
    EXPECT_EQ(bandIds(frame->CurrentReBarLayout()), kDefaultOrder);
}

TEST_F(FrameLayoutTest, PlacementIsSavedOnCloseAndAppliedAtStart) {
    {
        auto frame = makeFrame();
        frame->setGeometry(40, 50, 700, 500);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        EXPECT_TRUE(frame->close());
    }
    const std::optional<WindowPlacement> saved = readMainFramePosition(settingsKey());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->showCmd, kShowNormal);
    EXPECT_EQ(saved->normalPosition.width(), 700);
    EXPECT_EQ(saved->normalPosition.height(), 500);

    auto frame = makeFrame();
    EXPECT_EQ(frame->RestorePlacement(), kShowNormal);
    EXPECT_EQ(frame->geometry().size(), QSize(700, 500));

    WindowPlacement minimised = *saved;
    minimised.showCmd = kShowMinimized;
    minimised.normalPosition = {10, 20, 610, 420};
    EXPECT_EQ(frame->ApplyPlacement(minimised), kShowNormal);
    EXPECT_EQ(frame->geometry(), QRect(10, 20, 600, 400));

    WindowPlacement maximised = minimised;
    maximised.showCmd = kShowMaximized;
    maximised.normalPosition = {100, 100, 300, 300};
    EXPECT_EQ(frame->ApplyPlacement(maximised), kShowMaximized);
    EXPECT_EQ(frame->geometry(), QRect(10, 20, 600, 400)); // not moved
}

TEST_F(FrameLayoutTest, LockingToolbarsFixesEveryBandButTheAnimationAndIsSaved) {
    auto frame = makeFrame();
    for (std::uint32_t id : kDefaultOrder)
        EXPECT_EQ(frame->BandBar(id)->isMovable(), id != kBandAnimation) << id;

    ASSERT_TRUE(host->router.execute(cmd::LockToolbars));
    EXPECT_EQ(host->settings.LockToolbars, 1);
    EXPECT_TRUE(host->router.stateOf(cmd::LockToolbars).isChecked());
    for (std::uint32_t id : kDefaultOrder)
        EXPECT_FALSE(frame->BandBar(id)->isMovable()) << id;
    for (const ReBarBand& band : frame->CurrentReBarLayout().bands) {
        if (band.id == kBandAnimation)
            continue;
        EXPECT_TRUE(band.style & kBandStyleNoGripper) << band.id;
        EXPECT_FALSE(band.style & kBandStyleGripperAlways) << band.id;
    }
    EXPECT_FALSE(frame->BottomReBar().bar(kBandWindowBar)->isMovable());

    ASSERT_TRUE(host->router.execute(cmd::LockToolbars));
    EXPECT_EQ(host->settings.LockToolbars, 0);
    EXPECT_TRUE(frame->BandBar(kBandLinks)->isMovable());
}

TEST_F(FrameLayoutTest, ToolbarAndAddressCannotBothBeHiddenWithoutTheWindowBarOnTop) {
    auto frame = makeFrame();
    ASSERT_TRUE(host->router.execute(cmd::ViewStandardButtons));
    EXPECT_FALSE(frame->IsBandVisible(kBandStandardButtons));
    EXPECT_FALSE(host->router.isEnabled(cmd::CustomizeToolbar));

    // With the window bar on top, the address bar may go too.
    EXPECT_TRUE(host->router.isEnabled(cmd::ViewAddressBar));
    frame->PlaceWindowBar(2);
    EXPECT_FALSE(host->router.isEnabled(cmd::ViewAddressBar));
    EXPECT_TRUE(host->router.stateOf(cmd::ViewAddressBar).isChecked());
    // Showing the hidden one is always possible.
    EXPECT_TRUE(host->router.isEnabled(cmd::ViewStandardButtons));
    EXPECT_FALSE(host->router.stateOf(cmd::ViewStandardButtons).isChecked());
}

TEST_F(FrameLayoutTest, WindowBarMovesBetweenTheRebars) {
    auto frame = makeFrame();
    QWidget* windowBar = frame->WindowBar();
    CReBarArea& bottom = frame->BottomReBar();
    EXPECT_TRUE(frame->IsBandVisible(kBandWindowBar));
    EXPECT_FALSE(bottom.isAreaVisible());
    EXPECT_EQ(windowBar->parentWidget()->objectName(), QStringLiteral("topWindowBarSlot"));

    frame->PlaceWindowBar(2);
    EXPECT_EQ(host->settings.TabPosition, 2);
    EXPECT_EQ(frame->PreviousTabPosition(), 1);
    EXPECT_FALSE(frame->IsBandVisible(kBandWindowBar));
    EXPECT_TRUE(bottom.isAreaVisible());
    EXPECT_EQ(windowBar->parentWidget()->objectName(), QStringLiteral("bottomWindowBarSlot"));
    // Saved as visible: the window bar is shown, in the other rebar.
    EXPECT_EQ(frame->CurrentReBarLayout().band(kBandWindowBar)->child, 1u);

    frame->PlaceWindowBar(0);
    EXPECT_FALSE(bottom.isAreaVisible());
    EXPECT_FALSE(frame->IsBandVisible(kBandWindowBar));
    EXPECT_EQ(frame->CurrentReBarLayout().band(kBandWindowBar)->child, 0u);

    frame->PlaceWindowBar(1);
    EXPECT_TRUE(frame->IsBandVisible(kBandWindowBar));
    EXPECT_EQ(windowBar->parentWidget()->objectName(), QStringLiteral("topWindowBarSlot"));
}

TEST_F(FrameLayoutTest, ResetInTheCustomiseDialogGivesExactlyTheDefaultButtons) {
    const platform::RegKey key = settingsKey();
    ToolBarLayout stored;
    stored.commands = {cmd::EditCut, ToolBarLayout::kToolBarSeparator, cmd::GoBack, cmd::FullScreen};
    writeToolBarLayout(key, stored);
    auto frame = makeFrame();
    ASSERT_EQ(toolbarCommands(*frame->StandardToolBar()),
              (std::vector<std::uint32_t>{cmd::EditCut, cmd::GoBack, cmd::FullScreen}));

    DialogRunner::instance().push(ScriptedAnswer::acting([](QDialog& dialog) {
        auto& customise = dynamic_cast<CCustomizeToolbarDialog&>(dialog);
        // Offered: a separator, then every button not shown, extra table
        // first.
        const std::vector<std::uint32_t> available = customise.availableCommands();
        EXPECT_EQ(available.size(), 1u + 33u - 3u);
        EXPECT_EQ(available[0], ToolBarLayout::kToolBarSeparator);
        EXPECT_EQ(available[1], cmd::EditCopy);
        EXPECT_EQ(available.back(), cmd::FileClose);
        dialog.findChild<QPushButton*>(QStringLiteral("resetButton"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        return dialog.result();
    }));
    ASSERT_TRUE(host->router.execute(cmd::CustomizeToolbar));
    EXPECT_EQ(frame->StandardToolBar()->buttons(), ToolBarLayout::defaults());
    EXPECT_EQ(toolbarCommands(*frame->StandardToolBar()), defaultCommands());
    EXPECT_TRUE(frame->StandardToolBar()->buttonFor(cmd::NewBlankPage)->hasDropDown());
    EXPECT_FALSE(frame->StandardToolBar()->buttonFor(cmd::Stop)->hasDropDown());
}

TEST_F(FrameLayoutTest, CustomiseDialogAddsRemovesAndMovesButtons) {
    CCustomizeToolbarDialog dialog(ToolBarLayout::defaults());
    auto* available = dialog.findChild<QListWidget*>(QStringLiteral("availableList"));
    auto* current = dialog.findChild<QListWidget*>(QStringLiteral("currentList"));
    EXPECT_EQ(available->item(1)->text(), res::commandShortName(cmd::EditCut));

    // Adding goes before the selected current button.
    available->setCurrentRow(1);
    current->setCurrentRow(2);
    dialog.addSelected();
    std::vector<std::uint32_t> expected = defaultCommands();
    expected.insert(expected.begin() + 2, cmd::EditCut);
    EXPECT_EQ(dialog.result().commands, expected);
    EXPECT_EQ(available->item(1)->data(Qt::UserRole).toUInt(), cmd::EditCopy);

    current->setCurrentRow(2);
    dialog.moveSelected(-1);
    std::swap(expected[1], expected[2]);
    EXPECT_EQ(dialog.result().commands, expected);
    dialog.moveSelected(-5); // past the top: nothing moves
    EXPECT_EQ(dialog.result().commands, expected);

    current->setCurrentRow(0);
    dialog.removeSelected();
    expected.erase(expected.begin());
    EXPECT_EQ(dialog.result().commands, expected);
    EXPECT_EQ(current->count(), static_cast<int>(expected.size()));
}

TEST_F(FrameLayoutTest, DropDownsOpenMainMenuPopupsByPositionAlsoWithAMaximisedChild) {
    auto frame = makeFrame();
    const res::MenuItem* file = res::findPopup(res::MainMenu, res::mainpos::File);
    const QString newIeTitle = file->items[res::subpos::FileNewIe].label();

    auto* child = frame->MdiArea()->addSubWindow(new QLabel(QStringLiteral("page")));
    frame->show();
    child->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    ASSERT_EQ(frame->MdiArea()->activeSubWindow(), child);
    ASSERT_TRUE(child->isMaximized());

    QMenu* newIe = frame->StandardToolBar()->buttonFor(cmd::NewBlankPage)->dropDownMenu();
    ASSERT_TRUE(newIe);
    EXPECT_EQ(newIe->title(), newIeTitle);
    QMenu* newMozilla = frame->DropDownMenu(cmd::NewMozillaBlank);
    ASSERT_TRUE(newMozilla);
    EXPECT_EQ(newMozilla->title(), file->items[res::subpos::FileNewMozilla].label());
    EXPECT_EQ(frame->DropDownMenu(cmd::ClosedWindowsButton), frame->ClosedWindowsMenu());
    EXPECT_EQ(frame->DropDownMenu(cmd::ExplorerFavorites), frame->FavoritesMenu());
    EXPECT_EQ(frame->DropDownMenu(cmd::Stop), nullptr);
    // Without a view to ask, the history buttons show no menu.
    EXPECT_EQ(frame->DropDownMenu(cmd::GoBack), nullptr);
    QMenu history;
    frame->SetHistoryMenuFactory([&history](bool forward) { return forward ? &history : nullptr; });
    EXPECT_EQ(frame->DropDownMenu(cmd::GoForward), &history);
    EXPECT_EQ(frame->DropDownMenu(cmd::GoBack), nullptr);
    frame->hide();
}

TEST(DropDownMenus, PositionsMoveOnlyForABarThatShowsTheChildSystemMenu) {
    EXPECT_EQ(menuBarIndex(res::mainpos::File, true, true), 1);
    EXPECT_EQ(menuBarIndex(res::mainpos::File, false, true), 0);
    EXPECT_EQ(menuBarIndex(res::mainpos::Go, true, false), res::mainpos::Go);
    EXPECT_EQ(dropDownMenuSource(cmd::TextSize),
              (DropDownMenuSource{DropDownMenuSource::Kind::MainMenu, res::mainpos::View,
                                  res::subpos::ViewTextSize}));
    EXPECT_EQ(dropDownMenuSource(cmd::InternetOptions)->sub, res::subpos::ViewDownloadOptions);
    EXPECT_EQ(dropDownMenuSource(cmd::EditWithEditor)->kind, DropDownMenuSource::Kind::Editors);
    EXPECT_FALSE(dropDownMenuSource(cmd::Refresh));
}
