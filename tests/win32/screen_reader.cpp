#include "screen_reader.h"

#include <utility>

namespace reader {

namespace {

Listener* gListener = nullptr; // the hook's callback has no other way to it

std::wstring taken(BSTR text)
{
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return out;
}

} // namespace

Element Element::ofWindow(HWND window, LONG objectId)
{
    ComPtr<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(objectId), __uuidof(IAccessible),
        reinterpret_cast<void**>(object.GetAddressOf()));
    return { object, CHILDID_SELF };
}

Element Element::ofEvent(HWND window, LONG objectId, LONG child)
{
    ComPtr<IAccessible> object;
    VARIANT element {};
    AccessibleObjectFromEvent(window, static_cast<DWORD>(objectId), static_cast<DWORD>(child),
        object.GetAddressOf(), &element);
    return { object, element.vt == VT_I4 ? element.lVal : CHILDID_SELF };
}

VARIANT Element::self() const
{
    VARIANT child {};
    child.vt = VT_I4;
    child.lVal = child_;
    return child;
}

std::wstring Element::text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const
{
    BSTR text = nullptr;
    if (!object_ || FAILED((object_.Get()->*get)(self(), &text)))
        return {};
    return taken(text);
}

std::wstring Element::name() const { return text(&IAccessible::get_accName); }
std::wstring Element::value() const { return text(&IAccessible::get_accValue); }
std::wstring Element::description() const { return text(&IAccessible::get_accDescription); }

long Element::role() const
{
    VARIANT role {};
    if (!object_ || FAILED(object_->get_accRole(self(), &role)) || role.vt != VT_I4)
        return 0;
    return role.lVal;
}

long Element::state() const
{
    VARIANT state {};
    if (!object_ || FAILED(object_->get_accState(self(), &state)) || state.vt != VT_I4)
        return 0;
    return state.lVal;
}

RECT Element::place() const
{
    long left = 0, top = 0, width = 0, height = 0;
    if (object_)
        object_->accLocation(&left, &top, &width, &height, self());
    return { left, top, left + width, top + height };
}

std::vector<Element> Element::children() const
{
    long count = 0;
    if (!object_ || FAILED(object_->get_accChildCount(&count)) || count <= 0)
        return {};
    std::vector<VARIANT> found(static_cast<std::size_t>(count));
    long obtained = 0;
    AccessibleChildren(object_.Get(), 0, count, found.data(), &obtained);
    std::vector<Element> children;
    for (long i = 0; i < obtained; ++i) {
        VARIANT& child = found[static_cast<std::size_t>(i)];
        ComPtr<IAccessible> object;
        if (child.vt == VT_DISPATCH && child.pdispVal)
            child.pdispVal->QueryInterface(
                __uuidof(IAccessible), reinterpret_cast<void**>(object.GetAddressOf()));
        children.push_back(
            child.vt == VT_I4 ? Element(object_, child.lVal) : Element(object, CHILDID_SELF));
        VariantClear(&child);
    }
    return children;
}

Element Element::at(POINT point) const
{
    VARIANT found {};
    if (!object_ || object_->accHitTest(point.x, point.y, &found) != S_OK)
        return {};
    if (found.vt == VT_I4)
        return { object_, found.lVal };
    ComPtr<IAccessible> object;
    if (found.vt == VT_DISPATCH && found.pdispVal)
        found.pdispVal->QueryInterface(
            __uuidof(IAccessible), reinterpret_cast<void**>(object.GetAddressOf()));
    VariantClear(&found);
    return { object, CHILDID_SELF };
}

Listener::Listener(DWORD process)
{
    gListener = this;
    hook_
        = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, heard, process, 0, WINEVENT_OUTOFCONTEXT);
}

Listener::~Listener()
{
    UnhookWinEvent(hook_);
    gListener = nullptr;
}

void Listener::heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (gListener)
        gListener->events_.push_back({ event, window, object, child });
}

bool Listener::waitFor(
    const std::function<bool(const Heard&)>& wanted, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        for (const Heard& event : events_)
            if (wanted(event))
                return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::vector<Heard> Listener::take()
{
    waitFor([](const Heard&) { return false; }, std::chrono::milliseconds(0));
    return std::exchange(events_, {});
}

} // namespace reader
