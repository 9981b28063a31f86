#pragma once
// The boundary of every window procedure of ours. An error that ends a
// handler ends only that handler: it is shown in the standard error box and
// the program goes on. Nothing may unwind through Windows' own frames, which
// know nothing of C++ exceptions.
#include <windows.h>

#include <exception>
#include <new>

#include "core/text.h"
#include "ui/exception.h"
#include "ui/message_box.h"

namespace velk {

template <typename Handler>
LRESULT GuardedCall(HWND hwnd, Handler&& handler) noexcept {
    try {
        return handler();
    } catch (const Exception& error) {
        ShowErrorBox(hwnd, error.Message());
    } catch (const std::bad_alloc&) {
        ShowErrorBox(hwnd, L"Out of memory");
    } catch (const std::exception& error) {
        ShowErrorBox(hwnd, FromCp1250(error.what()));
    } catch (...) {
        ShowErrorBox(hwnd, L"Unexpected error");
    }
    return 0;
}

}  // namespace velk
