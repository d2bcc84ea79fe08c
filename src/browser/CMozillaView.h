#pragma once

#include "browser/CBrowserView.h"

// The view of a browser window of engine kind 1, the second engine. Windows
// its pages open are engine-1 windows, and the click point that allowed one
// page-opened window stays until the next navigation, so further windows
// the same page opens before then count as opened by the same click.
class CMozillaView : public CBrowserView {
    Q_OBJECT

public:
    static constexpr int kEngineKind = 1;

    CMozillaView(IBrowserViewHost& host, CBrowserDoc& document, QWidget* parent = nullptr);

protected:
    bool KeepsClickPointAfterNewWindow() const override { return true; }
};
