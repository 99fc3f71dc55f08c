#include <colib/foundation/prf.h>

coPrfExternalDeleter::coPrfExternalDeleter() noexcept = default;
coPrfExternalDeleter::coPrfExternalDeleter(const coPrfExternalDeleter &) noexcept = default;
coPrfExternalDeleter &
coPrfExternalDeleter::operator=(const coPrfExternalDeleter &) noexcept = default;
coPrfExternalDeleter::~coPrfExternalDeleter() = default;
void coPrfExternalDeleter::operator()(void *) const noexcept {}
