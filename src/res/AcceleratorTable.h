#pragma once

#include <QKeyCombination>

#include <optional>
#include <span>

// Accelerator table 128 of the main window: key combinations that execute a
// command. The keys are what the user presses; the shortcut text shown in the
// menus is separate (menu item text after "\t") and may differ.
namespace res {

struct Accelerator {
    QKeyCombination keys;
    unsigned command;
};

inline constexpr unsigned MainAccelerators = 128;

// The entries of accelerator table 128 in their order.
std::span<const Accelerator> mainAccelerators();
// The command that keys give in accelerator table 128, or nothing.
std::optional<unsigned> acceleratorCommand(QKeyCombination keys);

} // namespace res
