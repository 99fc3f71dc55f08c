// The instances of the foundation's templates that the library exports.
#include <colib/foundation/buffer_guard.h>

template class coBufferGuard<char, 1>;
template class coBufferGuard<int, 1>;
template class coBufferGuard<float, 1>;
template class coBufferGuard<double, 1>;
template class coBufferGuard<void *, 1>;
template class coBufferGuard<float, 0>;
template class coBufferGuard<void *, 0>;
template class coBufferGuard<utString, 0>;
