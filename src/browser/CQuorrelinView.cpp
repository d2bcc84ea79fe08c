#include "browser/CQuorrelinView.h"

CQuorrelinView::CQuorrelinView(IBrowserViewHost& host, CBrowserDoc& document, QWidget* parent)
    : CBrowserView(host, document, kEngineKind, parent) {}
