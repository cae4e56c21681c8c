#include "delegating_accessible.h"

namespace ui::win32 {

DelegatingAccessible::DelegatingAccessible(HWND window)
    : window_(window)
{
    CreateStdAccessibleObject(
        window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard_));
}

DelegatingAccessible::~DelegatingAccessible()
{
    if (standard_)
        standard_->Release();
}

HRESULT DelegatingAccessible::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DelegatingAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DelegatingAccessible::Release()
{
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DelegatingAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DelegatingAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DelegatingAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT DelegatingAccessible::Invoke(
    DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

// Without the system's object (it could not be made), nothing is known beyond what
// a derived object says.
#define ORVI_ASK_STANDARD(call) return standard_ ? standard_->call : E_NOTIMPL

HRESULT DelegatingAccessible::get_accParent(IDispatch** parent)
{
    ORVI_ASK_STANDARD(get_accParent(parent));
}
HRESULT DelegatingAccessible::get_accChildCount(long* count)
{
    ORVI_ASK_STANDARD(get_accChildCount(count));
}
HRESULT DelegatingAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    ORVI_ASK_STANDARD(get_accChild(child, object));
}
HRESULT DelegatingAccessible::get_accName(VARIANT child, BSTR* name)
{
    ORVI_ASK_STANDARD(get_accName(child, name));
}
HRESULT DelegatingAccessible::get_accValue(VARIANT child, BSTR* value)
{
    ORVI_ASK_STANDARD(get_accValue(child, value));
}
HRESULT DelegatingAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    ORVI_ASK_STANDARD(get_accDescription(child, description));
}
HRESULT DelegatingAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    ORVI_ASK_STANDARD(get_accRole(child, role));
}
HRESULT DelegatingAccessible::get_accState(VARIANT child, VARIANT* state)
{
    ORVI_ASK_STANDARD(get_accState(child, state));
}
HRESULT DelegatingAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    ORVI_ASK_STANDARD(get_accHelp(child, help));
}
HRESULT DelegatingAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    ORVI_ASK_STANDARD(get_accHelpTopic(file, child, topic));
}
HRESULT DelegatingAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    ORVI_ASK_STANDARD(get_accKeyboardShortcut(child, shortcut));
}
HRESULT DelegatingAccessible::get_accFocus(VARIANT* focus)
{
    ORVI_ASK_STANDARD(get_accFocus(focus));
}
HRESULT DelegatingAccessible::get_accSelection(VARIANT* selection)
{
    ORVI_ASK_STANDARD(get_accSelection(selection));
}
HRESULT DelegatingAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    ORVI_ASK_STANDARD(get_accDefaultAction(child, action));
}
HRESULT DelegatingAccessible::accSelect(long flags, VARIANT child)
{
    ORVI_ASK_STANDARD(accSelect(flags, child));
}
HRESULT DelegatingAccessible::accLocation(
    long* left, long* top, long* width, long* height, VARIANT child)
{
    ORVI_ASK_STANDARD(accLocation(left, top, width, height, child));
}
HRESULT DelegatingAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    ORVI_ASK_STANDARD(accNavigate(direction, start, end));
}
HRESULT DelegatingAccessible::accHitTest(long left, long top, VARIANT* child)
{
    ORVI_ASK_STANDARD(accHitTest(left, top, child));
}
HRESULT DelegatingAccessible::accDoDefaultAction(VARIANT child)
{
    ORVI_ASK_STANDARD(accDoDefaultAction(child));
}
HRESULT DelegatingAccessible::put_accName(VARIANT child, BSTR name)
{
    ORVI_ASK_STANDARD(put_accName(child, name));
}
HRESULT DelegatingAccessible::put_accValue(VARIANT child, BSTR value)
{
    ORVI_ASK_STANDARD(put_accValue(child, value));
}

#undef ORVI_ASK_STANDARD

HRESULT DelegatingAccessible::answer(std::wstring_view text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (text.empty())
        return S_FALSE;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT DelegatingAccessible::answerNumber(long number, VARIANT* out)
{
    if (!out)
        return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

} // namespace ui::win32
