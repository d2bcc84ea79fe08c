#pragma once

#include <QString>

// The about box's version line: "版本 <major>.<minor, two digits>" with five
// trailing blanks, then " (UNICODE)".
QString programVersionText(int major, int minor);

// The same for this build's version.
QString programVersionText();
