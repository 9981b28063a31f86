// libstdc++'s reports of its own errors, the std::__throw_* functions its
// headers call, defined here so that the library's object of them
// (functexcept.o) stays out of velk.exe, and with it the exception classes it
// builds (std::logic_error, std::out_of_range, std::length_error and their
// kin, with their reference-counted strings): 55,808 bytes of the x86_64
// velk.exe with GCC 12. A string or array too long to hold is out of memory,
// as std::bad_alloc; a broken library precondition is the program's own
// error, shown in the standard error box. The linker takes the library's
// object only for a name nothing else defines: should velk.exe come to need a
// report missing here, that object comes in and the link fails on a second
// definition of these (the report then belongs here too). Should a later
// libstdc++ stop calling these names (inline reports, new names), the link
// still succeeds and the library's versions return, which only velk.exe's
// size shows.
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
// The library passes a printf format and its arguments (the function's name,
// the position, the size); the user is shown a sentence instead.
void __throw_out_of_range_fmt(const char*, ...) {
    ThrowProgramError("A position lies outside the text or list it was used on.");
}
void __throw_bad_function_call() { ThrowProgramError("bad function call"); }

}  // namespace std
