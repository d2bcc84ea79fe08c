#pragma once

#include "options/COptionsCheckPage.h"

// The Confirms page (dialog 154, "确定"): whether the program asks before
// exiting, closing all windows, closing all but the selected one, a page
// closing its own window, synchronising, clearing the addresses, adding to
// the auto-close list and closing the selected windows.
class COptionsConfirms : public COptionsCheckPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 154;

    explicit COptionsConfirms(CAppSettings& settings, QWidget* parent = nullptr);
};
