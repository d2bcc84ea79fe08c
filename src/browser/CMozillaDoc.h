#pragma once

#include "browser/CBrowserDoc.h"

// The document of a browser window of engine kind 1. A new one is titled
// "about:blank".
class CMozillaDoc : public CBrowserDoc {
public:
    explicit CMozillaDoc(QObject* parent = nullptr) : CBrowserDoc(parent) {
        SetTitle(QStringLiteral("about:blank"));
    }
};
