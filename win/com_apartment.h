#pragma once
// COM on the GUI thread, apartment-threaded. It is set up when first needed
// (a picture for the imaging codecs, a screen reader's request), not at
// every start, and kept until the program ends.
#include <windows.h>
#include <objbase.h>

namespace velk {

class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// The GUI thread's apartment, made at the first call.
inline void UseCom() { static const ComApartment apartment; }

}  // namespace velk
