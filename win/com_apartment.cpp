#include "win/com_apartment.h"

#include "win/system_library.h"

namespace velk {

namespace {

const SystemLibrary& Ole32() {
    static const SystemLibrary library(L"ole32.dll");
    return library;
}

class ComApartment {
public:
    ComApartment() {
        const auto initialise = Ole32().Find<decltype(CoInitializeEx)>("CoInitializeEx");
        uninitialise_ = Ole32().Find<decltype(CoUninitialize)>("CoUninitialize");
        // OLE1's DDE off, as ShellExecuteW's documentation asks of the thread.
        initialised_ = initialise && uninitialise_ &&
                       SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment() {
        if (initialised_) uninitialise_();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Initialised() const { return initialised_; }

private:
    decltype(CoUninitialize)* uninitialise_ = nullptr;
    bool initialised_ = false;
};

}  // namespace

bool UseCom() {
    static const ComApartment apartment;
    return apartment.Initialised();
}

HRESULT CreateComObject(REFCLSID server, REFIID wanted, void** object) {
    *object = nullptr;
    static const auto create = Ole32().Find<decltype(CoCreateInstance)>("CoCreateInstance");
    if (!create) return E_NOTIMPL;
    return create(server, nullptr, CLSCTX_INPROC_SERVER, wanted, object);
}

}  // namespace velk
