#pragma once

#include "browser/CBrowserView.h"

// The view of a browser window of engine kind 0, the program's own engine.
// Windows its pages open are engine-0 windows.
class CQuorrelinView : public CBrowserView {
    Q_OBJECT

public:
    static constexpr int kEngineKind = 0;

    CQuorrelinView(IBrowserViewHost& host, CBrowserDoc& document, QWidget* parent = nullptr);
};
