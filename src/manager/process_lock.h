#pragma once
// One lock for all process-wide state. Hosts of several kinds may run on
// several threads of one process; every export and every public manager
// operation holds this lock, so their calls are serialised. Recursive,
// because an export calls manager operations that take it again.

#include <mutex>

namespace vcom {

std::recursive_mutex& processMutex();

class ProcessLock {
public:
    ProcessLock() : mLock(processMutex()) {}

private:
    std::lock_guard<std::recursive_mutex> mLock;
};

}  // namespace vcom
