#include "ui/accessible_list.h"

#include "win/com_apartment.h"
#include "win/guarded_call.h"
#include "win/system_library.h"

namespace velk {

namespace {

constexpr int kSelf = -1;

// oleacc.dll is loaded when a screen reader first asks, not at every start.
const SystemLibrary& Oleacc() {
    static const SystemLibrary library(L"oleacc.dll");
    return library;
}

// The automation calls, from oleaut32.dll, loaded alike.
const SystemLibrary& Automation() {
    static const SystemLibrary library(L"oleaut32.dll");
    return library;
}

BSTR NewText(const std::wstring& text) {
    static const auto allocate = Automation().Find<decltype(SysAllocStringLen)>("SysAllocStringLen");
    return allocate ? allocate(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

HRESULT ToLong(VARIANT* out, VARIANT* in) {
    static const auto change = Automation().Find<decltype(VariantChangeType)>("VariantChangeType");
    return change ? change(out, in, 0, VT_I4) : E_FAIL;
}

void Clear(VARIANT* variant) {
    static const auto clear = Automation().Find<decltype(VariantClear)>("VariantClear");
    if (clear) clear(variant);
}

void MakeEmpty(VARIANT* variant) { variant->vt = VT_EMPTY; }

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = NewText(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

void SetLong(VARIANT* variant, LONG value) {
    MakeEmpty(variant);
    variant->vt = VT_I4;
    variant->lVal = value;
}

}  // namespace

AccessibleList::AccessibleList(HWND window, std::wstring name, AccessibleListSource& source)
    : window_(window), name_(std::move(name)), source_(&source) {}

HRESULT AccessibleList::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) return E_NOINTERFACE;
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
}

ULONG AccessibleList::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleList::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleList::GetTypeInfoCount(UINT* count) {
    if (!count) return E_INVALIDARG;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleList::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO*, UINT*) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        // The one argument, if any, names the child.
        VARIANT child;
        MakeEmpty(&child);
        if (parameters && parameters->cArgs > 0) {
            if (FAILED(ToLong(&child, &parameters->rgvarg[parameters->cArgs - 1])))
                return DISP_E_TYPEMISMATCH;
        } else {
            child.vt = VT_I4;
            child.lVal = CHILDID_SELF;
        }
        VARIANT ignored;
        VARIANT* out = result ? result : &ignored;
        MakeEmpty(out);
        BSTR value = nullptr;
        // After the getter has run: the text it made goes into the result.
        const auto text = [&](HRESULT got) {
            if (got == S_OK) {
                out->vt = VT_BSTR;
                out->bstrVal = value;
            }
            return got;
        };
        const auto childCount = [&] {
            LONG count = 0;
            const HRESULT got = get_accChildCount(&count);
            if (got == S_OK) SetLong(out, count);
            return got;
        };
        HRESULT got = S_OK;
        switch (member) {
        case DISPID_ACC_CHILDCOUNT: got = childCount(); break;
        case DISPID_ACC_NAME: got = text(get_accName(child, &value)); break;
        case DISPID_ACC_DEFAULTACTION: got = text(get_accDefaultAction(child, &value)); break;
        case DISPID_ACC_ROLE: got = get_accRole(child, out); break;
        case DISPID_ACC_STATE: got = get_accState(child, out); break;
        case DISPID_ACC_FOCUS: got = get_accFocus(out); break;
        case DISPID_ACC_DODEFAULTACTION: got = accDoDefaultAction(child); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        if (out == &ignored) Clear(&ignored);
        return FAILED(got) ? got : S_OK;
    });
}

HRESULT AccessibleList::Named(const VARIANT& child, std::vector<AccessibleItem>* items, int* item) const {
    if (!source_) return CO_E_OBJNOTCONNECTED;
    *items = source_->AccessibleItems();
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) {
        *item = kSelf;
        return S_OK;
    }
    if (child.lVal < 1 || child.lVal > static_cast<LONG>(items->size())) return E_INVALIDARG;
    *item = static_cast<int>(child.lVal - 1);
    return S_OK;
}

HRESULT AccessibleList::get_accParent(IDispatch** parent) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!parent) return E_INVALIDARG;
        *parent = nullptr;
        if (!source_) return CO_E_OBJNOTCONNECTED;
        static const auto fromWindow =
            Oleacc().Find<decltype(AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
        if (!fromWindow) return E_FAIL;
        return fromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(parent));
    });
}

HRESULT AccessibleList::get_accChildCount(LONG* count) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!count) return E_INVALIDARG;
        if (!source_) return CO_E_OBJNOTCONNECTED;
        *count = static_cast<LONG>(source_->AccessibleItems().size());
        return S_OK;
    });
}

HRESULT AccessibleList::get_accChild(VARIANT, IDispatch** object) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!object) return E_INVALIDARG;
        *object = nullptr;
        // The items are simple elements of this object, not objects of their own.
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accName(VARIANT child, BSTR* name) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        return Text(item == kSelf ? name_ : items[static_cast<size_t>(item)].Name, name);
    });
}

HRESULT AccessibleList::get_accValue(VARIANT, BSTR* value) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (value) *value = nullptr;
        return source_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accDescription(VARIANT, BSTR* description) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (description) *description = nullptr;
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accRole(VARIANT child, VARIANT* role) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!role) return E_INVALIDARG;
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        const LONG value = item == kSelf                               ? ROLE_SYSTEM_LIST
                           : items[static_cast<size_t>(item)].IsStatic ? ROLE_SYSTEM_STATICTEXT
                                                                       : ROLE_SYSTEM_LISTITEM;
        SetLong(role, value);
        return S_OK;
    });
}

HRESULT AccessibleList::get_accState(VARIANT child, VARIANT* state) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!state) return E_INVALIDARG;
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        const bool focused = GetFocus() == window_;
        LONG value = 0;
        if (item == kSelf) {
            value = STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
        } else {
            value = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
            if (item == source_->AccessibleFocus())
                value |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
        }
        SetLong(state, value);
        return S_OK;
    });
}

HRESULT AccessibleList::get_accHelp(VARIANT, BSTR* help) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (help) *help = nullptr;
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (shortcut) *shortcut = nullptr;
        return source_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    });
}

HRESULT AccessibleList::get_accFocus(VARIANT* child) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!child) return E_INVALIDARG;
        MakeEmpty(child);
        if (!source_) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != window_) return S_FALSE;
        const int focus = source_->AccessibleFocus();
        SetLong(child, focus >= 0 ? focus + 1 : CHILDID_SELF);
        return S_OK;
    });
}

HRESULT AccessibleList::get_accSelection(VARIANT* children) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!children) return E_INVALIDARG;
        MakeEmpty(children);
        if (!source_) return CO_E_OBJNOTCONNECTED;
        const int focus = source_->AccessibleFocus();
        if (focus < 0) return S_FALSE;
        SetLong(children, focus + 1);
        return S_OK;
    });
}

HRESULT AccessibleList::get_accDefaultAction(VARIANT child, BSTR* action) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        return Text(item == kSelf ? std::wstring() : items[static_cast<size_t>(item)].Action, action);
    });
}

HRESULT AccessibleList::accSelect(LONG flags, VARIANT child) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        if (item == kSelf) return E_INVALIDARG;
        if (flags & SELFLAG_TAKEFOCUS) SetFocus(window_);
        if (flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) source_->AccessibleSelect(item);
        return S_OK;
    });
}

HRESULT AccessibleList::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!left || !top || !width || !height) return E_INVALIDARG;
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        RECT place{};
        if (item == kSelf)
            GetClientRect(window_, &place);
        else
            place = items[static_cast<size_t>(item)].Bounds;
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    });
}

HRESULT AccessibleList::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!end) return E_INVALIDARG;
        MakeEmpty(end);
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(start, &items, &item); named != S_OK) return named;
        const auto count = static_cast<int>(items.size());
        int to = kSelf;
        switch (direction) {
        case NAVDIR_FIRSTCHILD: to = item == kSelf && count > 0 ? 0 : kSelf; break;
        case NAVDIR_LASTCHILD: to = item == kSelf && count > 0 ? count - 1 : kSelf; break;
        case NAVDIR_NEXT:
        case NAVDIR_DOWN: to = item != kSelf && item + 1 < count ? item + 1 : kSelf; break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_UP: to = item != kSelf && item > 0 ? item - 1 : kSelf; break;
        default: return item == kSelf ? DISP_E_MEMBERNOTFOUND : S_FALSE;
        }
        if (to == kSelf) return S_FALSE;
        SetLong(end, to + 1);
        return S_OK;
    });
}

HRESULT AccessibleList::accHitTest(LONG x, LONG y, VARIANT* child) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        if (!child) return E_INVALIDARG;
        MakeEmpty(child);
        if (!source_) return CO_E_OBJNOTCONNECTED;
        POINT point{x, y};
        ScreenToClient(window_, &point);
        RECT client{};
        GetClientRect(window_, &client);
        if (!PtInRect(&client, point)) return S_FALSE;
        const std::vector<AccessibleItem> items = source_->AccessibleItems();
        for (size_t item = 0; item < items.size(); ++item) {
            if (PtInRect(&items[item].Bounds, point)) {
                SetLong(child, static_cast<LONG>(item + 1));
                return S_OK;
            }
        }
        SetLong(child, CHILDID_SELF);
        return S_OK;
    });
}

LRESULT AccessibleList::Answer(WPARAM wParam) {
    static const auto fromObject = Oleacc().Find<decltype(LresultFromObject)>("LresultFromObject");
    UseCom();  // the object is handed over through COM
    return source_ && fromObject ? fromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(this)) : 0;
}

HRESULT AccessibleList::accDoDefaultAction(VARIANT child) {
    return GuardedComCall(window_, [&]() -> HRESULT {
        std::vector<AccessibleItem> items;
        int item = kSelf;
        if (const HRESULT named = Named(child, &items, &item); named != S_OK) return named;
        if (item == kSelf || items[static_cast<size_t>(item)].Action.empty()) return DISP_E_MEMBERNOTFOUND;
        source_->AccessibleDoDefaultAction(item);
        return S_OK;
    });
}

}  // namespace velk
