// What an exception that nothing catches does: the program ends at once.
// The library's own handler would first print the exception's demangled
// type name to a console a windowed program does not have; replacing it
// keeps the demangler, and more than a fifth of velk.exe with it, out.
#include <cstdlib>
#include <exception>  // declares the handler replaced here

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
