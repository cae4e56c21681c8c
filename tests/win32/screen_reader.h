#pragma once

// The program as a screen reader meets it from outside: its objects through MSAA
// (oleacc), and the events a reader hears (SetWinEventHook), out of the program's
// process, as Narrator's and NVDA's helpers do.

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace reader {

using Microsoft::WRL::ComPtr;

// An object, or one of its simple elements (child > 0).
class Element {
public:
    Element() = default;
    Element(ComPtr<IAccessible> object, long child)
        : object_(std::move(object))
        , child_(child)
    {
    }
    static Element ofWindow(HWND window, LONG objectId = OBJID_CLIENT);
    static Element ofEvent(HWND window, LONG objectId, LONG child);

    explicit operator bool() const { return object_ != nullptr; }
    std::wstring name() const;
    std::wstring value() const;
    std::wstring description() const;
    long role() const;
    long state() const;
    RECT place() const; // on the screen
    std::vector<Element> children() const;
    // What is at a point of the screen, as this object tells it.
    Element at(POINT point) const;

private:
    VARIANT self() const;
    std::wstring text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const;

    ComPtr<IAccessible> object_;
    long child_ = CHILDID_SELF;
};

struct Heard {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

// The events of one process, from the moment it is made.
class Listener {
public:
    explicit Listener(DWORD process);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Lets the events come in for a while, or until one is as wanted.
    bool waitFor(const std::function<bool(const Heard&)>& wanted,
        std::chrono::milliseconds limit = std::chrono::milliseconds(2000));
    std::vector<Heard> take();

private:
    static void CALLBACK heard(
        HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD thread, DWORD time);
    HWINEVENTHOOK hook_;
    std::vector<Heard> events_;
};

} // namespace reader
