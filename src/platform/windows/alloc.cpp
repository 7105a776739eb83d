#include <objbase.h>

#include "platform/windows/windows_os.h"

namespace vcom::platform {

// Hosts release results with CoTaskMemFree, so they come from the COM task
// allocator; a zero-byte request still yields a buffer.
void* WindowsOs::allocateResult(std::size_t bytes) { return CoTaskMemAlloc(bytes == 0 ? 1 : bytes); }

void WindowsOs::freeResult(void* p) { CoTaskMemFree(p); }

}  // namespace vcom::platform
