// libstdc++'s reports of its own errors, defined here so that its versions
// stay out of velk.exe: they build std::logic_error and its kin, whose
// reference-counted strings bring some 50 KB with them. A string or array
// too long to hold is out of memory, as std::bad_alloc; a broken library
// precondition is the program's own error, shown in the standard error box
// with the library's text. Should velk.exe come to need another of these
// reports, the link fails on a second definition: it belongs here too.
#include <cstring>
#include <new>
#include <string>

#include "win/exception.h"

namespace {

[[noreturn]] void ThrowProgramError(const char* text) {
    throw velk::Exception(std::wstring(text, text + std::strlen(text)));
}

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char* text) { ThrowProgramError(text); }
void __throw_out_of_range_fmt(const char* format, ...) { ThrowProgramError(format); }
void __throw_bad_function_call() { ThrowProgramError("bad function call"); }

}  // namespace std
