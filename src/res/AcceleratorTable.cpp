#include "res/AcceleratorTable.h"

#include "framework/CommandIds.h"

namespace res {

namespace {

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

constexpr Accelerator kMain[] = {
    {QKeyCombination(kCtrl, Qt::Key_C), cmd::EditCopy},
    {QKeyCombination(kCtrl, Qt::Key_X), cmd::EditCut},
    {QKeyCombination(kCtrl, Qt::Key_F), cmd::EditFind},
    {QKeyCombination(kCtrl, Qt::Key_V), cmd::EditPaste},
    {QKeyCombination(kCtrl, Qt::Key_A), cmd::EditSelectAll},
    {QKeyCombination(kCtrl, Qt::Key_W), cmd::FileClose},
    {QKeyCombination(kCtrl, Qt::Key_N), cmd::NewBlankPage},
    {QKeyCombination(kCtrl, Qt::Key_O), cmd::FileOpen},
    {QKeyCombination(kCtrl, Qt::Key_P), cmd::FilePrint},
    {QKeyCombination(kCtrl, Qt::Key_S), cmd::FileSaveAs},
    {QKeyCombination(kAlt, Qt::Key_Left), cmd::GoBack},
    {QKeyCombination(kAlt, Qt::Key_Right), cmd::GoForward},
    {QKeyCombination(kAlt, Qt::Key_Home), cmd::GoHome},
    {QKeyCombination(kNone, Qt::Key_Escape), cmd::Stop},
    {QKeyCombination(kShift, Qt::Key_Escape), cmd::StopAll},
    {QKeyCombination(kNone, Qt::Key_F8), cmd::AddToAutoClose},
    // Ctrl+I opens the Folders pane, although the Favorites item shows Ctrl+I.
    {QKeyCombination(kCtrl, Qt::Key_I), cmd::ExplorerFolders},
    {QKeyCombination(kCtrl, Qt::Key_H), cmd::ExplorerHistory},
    {QKeyCombination(kNone, Qt::Key_F11), cmd::FullScreen},
    {QKeyCombination(kNone, Qt::Key_F7), cmd::LockWindow},
    {QKeyCombination(kNone, Qt::Key_F5), cmd::Refresh},
    {QKeyCombination(kShift, Qt::Key_F5), cmd::RefreshAll},
    {QKeyCombination(kCtrl, Qt::Key_T), cmd::AlwaysOnTop},
    {QKeyCombination(kNone, Qt::Key_F10), cmd::NextWindow},
    {QKeyCombination(kNone, Qt::Key_F9), cmd::PreviousWindow},
    {QKeyCombination(kCtrl, Qt::Key_M), cmd::NewMozillaBlank},
};

} // namespace

std::span<const Accelerator> mainAccelerators() {
    return kMain;
}

std::optional<unsigned> acceleratorCommand(QKeyCombination keys) {
    for (const Accelerator& accelerator : kMain)
        if (accelerator.keys == keys)
            return accelerator.command;
    return std::nullopt;
}

} // namespace res
