#pragma once

#include "quickcommands/QuickCommand.h"

#include <QList>

// The commands the quick-command dialog offers ready-made, in the order it
// lists them: six search engines (Type Search) and two news sites (Type Open).
const QList<QuickCommand>& PredefinedQuickCommands();
