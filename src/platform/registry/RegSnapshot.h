#pragma once

#include "platform/registry/RegTypes.h"

namespace platform {

class Registry;

// Groups registry reads so that they all see the registry as it was at the
// first read, even while another process writes. Unlike RegTransaction it
// takes no write lock, so it never waits for a writer and never keeps one
// waiting. Writes inside it still work (they take the lock at that moment)
// but fail when another process has written since the snapshot began.
// Nested transactions and snapshots join the outermost one.
class RegSnapshot {
public:
    explicit RegSnapshot(Registry* registry = nullptr);
    ~RegSnapshot();
    RegSnapshot(const RegSnapshot&) = delete;
    RegSnapshot& operator=(const RegSnapshot&) = delete;

    // ERROR_SUCCESS when begun; reads work without a snapshot too.
    RegError beginError() const { return beginError_; }

private:
    Registry* registry_;
    RegError beginError_;
};

} // namespace platform
