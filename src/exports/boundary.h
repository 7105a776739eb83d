#pragma once
// The one guard of the C boundary: every export runs its body through it.
// It takes the process lock, converts text at the edge, and turns any
// exception into the export's empty result, so nothing escapes to a host.

#include <string>
#include <string_view>

#include "VantorelCom2.h"
#include "manager/process_lock.h"

namespace vcom::boundary {

// Text arguments; null is empty text, invalid input becomes U+FFFD.
std::u16string fromAnsi(const char* text);
std::u16string fromWide(const VL_WCHAR* text);

// Text results: a fresh NUL-terminated buffer from the platform allocator.
char* toAnsiResult(std::u16string_view text) noexcept;
VL_WCHAR* toWideResult(std::u16string_view text) noexcept;

// Runs `body` under the process lock; any exception yields `fallback`.
template <class Result, class Body>
Result guarded(Result fallback, Body&& body) noexcept {
    try {
        ProcessLock lock;
        return body();
    } catch (...) {
        return fallback;
    }
}

// The same for a body without a result.
template <class Body>
void guardedVoid(Body&& body) noexcept {
    try {
        ProcessLock lock;
        body();
    } catch (...) {
    }
}

// A body that yields UTF-16 text; the result is converted after the body
// ran, and a failure gives an empty buffer.
template <class Body>
char* guardedAnsi(Body&& body) noexcept {
    try {
        ProcessLock lock;
        return toAnsiResult(body());
    } catch (...) {
        return toAnsiResult(u"");
    }
}

template <class Body>
VL_WCHAR* guardedWide(Body&& body) noexcept {
    try {
        ProcessLock lock;
        return toWideResult(body());
    } catch (...) {
        return toWideResult(u"");
    }
}

inline VL_BOOL toBool(bool value) { return value ? 1 : 0; }

}  // namespace vcom::boundary
