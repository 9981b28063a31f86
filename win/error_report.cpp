#include "win/error_report.h"

#include <exception>
#include <new>

#include "win/error_box.h"
#include "win/exception.h"
#include "win/text.h"

namespace velk {

void ReportCurrentError(HWND owner) noexcept {
    try {
        throw;
    } catch (const Exception& error) {
        ShowErrorBox(owner, error.Message());
    } catch (const std::bad_alloc&) {
        ShowErrorBox(owner, L"Out of memory");
    } catch (const std::exception& error) {
        try {
            ShowErrorBox(owner, FromCp1250(error.what()));
        } catch (...) {
            ShowErrorBox(owner, L"Out of memory");
        }
    } catch (...) {
        ShowErrorBox(owner, L"Unexpected error");
    }
}

}  // namespace velk
