#pragma once

#include <QString>

// Every test process runs in a private world: a temporary folder holds its
// HOME, XDG folders, runtime folder and registry database, so no test ever
// touches the user's real files and tests never see each other's state.
namespace testenv {

// Creates the private folder and points HOME, XDG_* and QUORRELIN_REGISTRY
// into it. Called by the test main before Qt starts.
void prepareIsolatedEnvironment();

// Removes the private folder (called by the test main at exit).
void removeIsolatedEnvironment();

// The private folder of this process.
QString root();

// A fresh, empty sub-folder of root() for one test.
QString freshDir(const QString& name);

// Points the registry at a new, empty database file and returns its path.
// Tests that run several cases in one process call this in SetUp().
QString useFreshRegistry();

} // namespace testenv
