#include <cstdlib>

#include "platform/posix/posix_os.h"

namespace vcom::platform {

// Hosts release results with free(), as the public header says.
void* PosixOs::allocateResult(std::size_t bytes) { return std::malloc(bytes == 0 ? 1 : bytes); }

void PosixOs::freeResult(void* p) { std::free(p); }

}  // namespace vcom::platform
