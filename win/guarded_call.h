#pragma once
// The boundary of every window procedure, COM method and callback of ours
// that Windows calls. An error that ends a handler ends only that handler:
// it is shown in the standard error box and the program goes on. Nothing may
// unwind through Windows' own frames, which know nothing of C++ exceptions.
#include <windows.h>

#include <new>
#include <utility>

#include "win/error_report.h"

namespace velk {

template <typename Result, typename Handler>
Result GuardedCall(HWND hwnd, Result onError, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        ReportCurrentError(hwnd);
    }
    return onError;
}

template <typename Handler>
LRESULT GuardedCall(HWND hwnd, Handler&& handler) noexcept {
    return GuardedCall<LRESULT>(hwnd, 0, std::forward<Handler>(handler));
}

// The boundary of a COM method: memory running out is E_OUTOFMEMORY to the
// caller; any other error is shown and ends the call with E_FAIL.
template <typename Handler>
HRESULT GuardedComCall(HWND hwnd, Handler&& handler) noexcept {
    return GuardedCall<HRESULT>(hwnd, E_FAIL, [&]() -> HRESULT {
        try {
            return handler();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    });
}

}  // namespace velk
