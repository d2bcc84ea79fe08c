#include "platform/registry/RegTransaction.h"

#include "platform/registry/Registry.h"

namespace platform {

RegTransaction::RegTransaction(Registry* registry)
    : registry_(registry ? registry : &Registry::instance()),
      beginError_(registry_->beginTransaction()) {}

RegTransaction::~RegTransaction() {
    // Every begin counts, failed or not, so every one is ended.
    if (!done_)
        registry_->rollbackTransaction();
}

RegError RegTransaction::commit() {
    if (done_)
        return ERROR_INVALID_PARAMETER;
    done_ = true;
    return registry_->commitTransaction();
}

} // namespace platform
