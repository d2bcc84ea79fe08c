#pragma once

#include "platform/registry/RegTypes.h"

namespace platform {

class Registry;

// Groups registry writes so that other processes (and a crash) see all of
// them or none. Used for every whole-list rewrite: delete the key, write all
// values, commit. Destroyed without commit() it rolls back.
//
// Nested transactions join the outermost one: only its commit publishes.
// While a transaction is open, the database is locked for writing by other
// processes; keep transactions short.
class RegTransaction {
public:
    explicit RegTransaction(Registry* registry = nullptr);
    ~RegTransaction();
    RegTransaction(const RegTransaction&) = delete;
    RegTransaction& operator=(const RegTransaction&) = delete;

    // ERROR_SUCCESS when begun; writes inside a failed transaction fail too.
    RegError beginError() const { return beginError_; }
    // Publishes the writes. Returns an error (and rolls back) when any write
    // inside failed or the commit itself failed.
    RegError commit();

private:
    Registry* registry_;
    RegError beginError_;
    bool done_ = false;
};

} // namespace platform
