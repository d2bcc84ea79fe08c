#include "platform/registry/RegSnapshot.h"

#include "platform/registry/Registry.h"

namespace platform {

RegSnapshot::RegSnapshot(Registry* registry)
    : registry_(registry ? registry : &Registry::instance()),
      beginError_(registry_->beginTransaction(false)) {}

RegSnapshot::~RegSnapshot() {
    // Ends the read; anything written inside is published like a
    // transaction's writes.
    registry_->commitTransaction();
}

} // namespace platform
