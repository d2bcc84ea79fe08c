#pragma once

class QWebEngineProfile;

// The one web profile (cache, cookies, history) every engine of the program
// shares; pages a page opens must live in the same profile as their opener.
// Made at first use, stored below the user's data folder, and deleted with
// the application object (every page must be gone by then).
QWebEngineProfile* EngineProfile();
