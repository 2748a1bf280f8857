#pragma once
// The top level of every Win32 entry point: an error that no handler
// trapped is reported in a modal message box and ends the process with exit
// code 1. No C++ exception ever unwinds through a frame of the operating
// system.

#include "app/runtime_error.h"

#include <exception>
#include <utility>

namespace lurn::win32 {

[[noreturn]] void reportUntrappedError(const RuntimeError& error);
[[noreturn]] void reportUnexpectedFailure(const char* what);

template <typename Result, typename Body> Result guarded(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const RuntimeError& error) {
        reportUntrappedError(error);
    } catch (const std::exception& failure) {
        reportUnexpectedFailure(failure.what());
    } catch (...) {
        reportUnexpectedFailure("unknown exception");
    }
}

} // namespace lurn::win32
