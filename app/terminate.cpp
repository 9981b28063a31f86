// What an exception that nothing catches does: the program ends at once.
// libstdc++'s default terminate handler is
// __gnu_cxx::__verbose_terminate_handler (its object vterminate.o), which
// first prints the exception's demangled type name to a console a windowed
// program does not have. Defining that name here keeps vterminate.o out of
// velk.exe, and with it the demangler (__cxa_demangle) and stdio's output:
// 70,656 bytes of the x86_64 velk.exe with GCC 12. Should a later libstdc++
// install another default handler, or name this one otherwise, the link still
// succeeds with the library's handler and the demangler back in, which only
// velk.exe's size shows; nothing else of the library refers to it.
#include <cstdlib>
#include <exception>  // declares the handler replaced here

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
