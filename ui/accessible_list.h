#pragma once
// What a screen reader sees of a window that draws its items itself: a list
// whose children are the items, each with its name, role, place, default
// action and the keyboard's focus (Microsoft Active Accessibility). The
// window answers WM_GETOBJECT for OBJID_CLIENT with it and disconnects it
// when it goes.
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace velk {

struct AccessibleItem {
    std::wstring Name;
    bool IsStatic = false;     // static text (a clock) rather than a list item
    std::wstring Action;       // the default action, empty for none
    RECT Bounds{};             // client coordinates
};

// The window's side: its items now and what may be done with them.
class AccessibleListSource {
public:
    virtual std::vector<AccessibleItem> AccessibleItems() const = 0;
    // The index among the items of the keyboard's item, or -1.
    virtual int AccessibleFocus() const = 0;
    virtual void AccessibleSelect(int item) = 0;
    // Best done after the call returns (posted): the action may open windows
    // or start programs, which a screen reader's cross-process call must
    // not wait for.
    virtual void AccessibleDoDefaultAction(int item) = 0;

protected:
    ~AccessibleListSource() = default;
};

class AccessibleList final : public IAccessible {
public:
    AccessibleList(HWND window, std::wstring name, AccessibleListSource& source);
    // The window goes: every later call fails as for an object gone.
    void Disconnect() { source_ = nullptr; }
    // The answer to WM_GETOBJECT for OBJID_CLIENT.
    LRESULT Answer(WPARAM wParam);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: the standard DISPIDs of IAccessible, without type
    // information, for clients that can reach the object only as IDispatch
    // (Wine has no proxy for IAccessible itself across processes).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleList() = default;
    // The items now and the one a child id names (ids count from 1), -1 for
    // the list itself; E_INVALIDARG for an id that names nothing,
    // CO_E_OBJNOTCONNECTED once the window is gone.
    HRESULT Named(const VARIANT& child, std::vector<AccessibleItem>* items, int* item) const;

    LONG references_ = 1;
    HWND window_;
    std::wstring name_;
    AccessibleListSource* source_;
};

}  // namespace velk
