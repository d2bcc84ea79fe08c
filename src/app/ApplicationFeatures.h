#pragma once

class CMainFrame;
class CQuorrelin;

// Adds the application's command features that live in classes of their
// own (mail, news, synchronise; help, about, new document, printer set-up)
// to the main frame's feature list. The frame owns them; app must outlive
// the frame.
void AddApplicationFeatures(CQuorrelin& app, CMainFrame& frame);
