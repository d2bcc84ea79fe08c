#pragma once

#include <webkit2/webkit2.h>

// Sends the downloads of the pages of context to the program: the page that
// started a download asks its owner where to save it and reports its end.
// Downloads of views that are not pages of this plug-in are cancelled.
// Call once per context.
void WatchDownloads(WebKitWebContext* context);
