#pragma once

#include "options/COptionsCheckPage.h"

// The Advanced page (dialog 204, "高级"): how tabs close (double click,
// middle click, the small close button), where links and favorites open, and
// the favorites menus' open-all item. The window bar is restyled afterwards.
class COptionsAdvanced : public COptionsCheckPage {
    Q_OBJECT

public:
    static constexpr int DialogId = 204;

    explicit COptionsAdvanced(CAppSettings& settings, QWidget* parent = nullptr);
};
