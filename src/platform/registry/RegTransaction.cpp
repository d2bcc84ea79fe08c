#include "platform/registry/RegTransaction.h"

#include "platform/registry/Registry.h"

namespace platform {

RegTransaction::RegTransaction(Registry* registry)
    : registry_(registry ? registry : &Registry::instance()),
      beginError_(registry_->beginTransaction()) {}

RegTransaction::~RegTransaction() {
    if (!done_ && beginError_ == ERROR_SUCCESS)
        registry_->rollbackTransaction();
}

RegError RegTransaction::commit() {
    if (done_)
        return ERROR_INVALID_PARAMETER;
    done_ = true;
    if (beginError_ != ERROR_SUCCESS)
        return beginError_;
    return registry_->commitTransaction();
}

} // namespace platform
