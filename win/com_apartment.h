#pragma once
// COM on the GUI thread, apartment-threaded. It is set up when first needed
// (a picture for the imaging codecs, a screen reader's request, the shell's
// first command), not at every start, and kept until the program ends.
// ole32 itself is loaded then too: a start that shows no picture needs
// neither it nor the libraries it loads in turn.
#include <windows.h>
#include <objbase.h>

namespace velk {

// The GUI thread's apartment, made at the first call; false when COM cannot
// be had.
bool UseCom();

// CoCreateInstance of an in-process server, in the apartment UseCom made.
HRESULT CreateComObject(REFCLSID server, REFIID wanted, void** object);

}  // namespace velk
