#include "res/AcceleratorTable.h"
#include "framework/CommandIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using res::acceleratorCommand;

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Alt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;

TEST(AcceleratorTableTest, KeysGiveTheirCommands) {
    struct Row {
        Qt::KeyboardModifiers mods;
        Qt::Key key;
        unsigned id;
    };
    const Row expected[] = {
        {Ctrl, Qt::Key_C, 57634},   {Ctrl, Qt::Key_X, 57635},      {Ctrl, Qt::Key_F, 57636},
        {Ctrl, Qt::Key_V, 57637},   {Ctrl, Qt::Key_A, 57642},      {Ctrl, Qt::Key_W, 57602},
        {Ctrl, Qt::Key_N, 32774},   {Ctrl, Qt::Key_O, 57601},      {Ctrl, Qt::Key_P, 57607},
        {Ctrl, Qt::Key_S, 57604},   {Alt, Qt::Key_Left, 32779},    {Alt, Qt::Key_Right, 32780},
        {Alt, Qt::Key_Home, 32783}, {None, Qt::Key_Escape, 32781}, {Shift, Qt::Key_Escape, 32782},
        {None, Qt::Key_F8, 32820},  {Ctrl, Qt::Key_I, 32840},      {Ctrl, Qt::Key_H, 32841},
        {None, Qt::Key_F11, 32797}, {None, Qt::Key_F7, 33158},     {None, Qt::Key_F5, 32787},
        {Shift, Qt::Key_F5, 32788}, {Ctrl, Qt::Key_T, 33807},      {None, Qt::Key_F10, 32830},
        {None, Qt::Key_F9, 32829},  {Ctrl, Qt::Key_M, 32833},
    };
    ASSERT_EQ(res::mainAccelerators().size(), std::size(expected));
    for (const Row& row : expected)
        EXPECT_EQ(acceleratorCommand(QKeyCombination(row.mods, row.key)), row.id)
            << QKeyCombination(row.mods, row.key).toCombined();
}

TEST(AcceleratorTableTest, CtrlIOpensTheFoldersPaneNotFavorites) {
    EXPECT_EQ(acceleratorCommand(QKeyCombination(Ctrl, Qt::Key_I)), cmd::ExplorerFolders);
}

TEST(AcceleratorTableTest, ModifiersMustMatchExactly) {
    EXPECT_EQ(acceleratorCommand(QKeyCombination(None, Qt::Key_C)), std::nullopt);
    EXPECT_EQ(acceleratorCommand(QKeyCombination(Ctrl | Shift, Qt::Key_C)), std::nullopt);
    EXPECT_EQ(acceleratorCommand(QKeyCombination(Ctrl, Qt::Key_F5)), std::nullopt);
    EXPECT_EQ(acceleratorCommand(QKeyCombination(None, Qt::Key_Left)), std::nullopt);
}

TEST(AcceleratorTableTest, NoKeyCombinationIsListedTwice) {
    std::set<int> seen;
    for (const res::Accelerator& accelerator : res::mainAccelerators())
        EXPECT_TRUE(seen.insert(accelerator.keys.toCombined()).second);
}

} // namespace
