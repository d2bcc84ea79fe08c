#pragma once

#include "browser/CBrowserDoc.h"

// The document of a browser window of engine kind 0.
class CQuorrelinDoc : public CBrowserDoc {
public:
    using CBrowserDoc::CBrowserDoc;
};
