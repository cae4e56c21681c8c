#include "uia_notifier.h"

#include <ole2.h>
#include <uiautomationcore.h>

#include <string>

namespace ui::win32 {

namespace {

// From Windows 10's SDK: mingw-w64's headers lack the first two, and its
// uiautomationcoreapi.h does not compile as C++.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationProcessingImportantMostRecent = 1;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using ClientsListening = BOOL(WINAPI*)();
using DisconnectProvider = HRESULT(WINAPI*)(IRawElementProviderSimple*);

template <typename Function> Function lookUp(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

// The element the notifications come from: the window the program names, with every
// property of it as the system tells it.
class NotificationSource final : public IRawElementProviderSimple {
public:
    NotificationSource(HWND window, HostProvider host)
        : window_(window)
        , host_(host)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
            *object = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override
    {
        if (!options)
            return E_POINTER;
        *options = static_cast<ProviderOptions>(
            ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override
    {
        if (!pattern)
            return E_POINTER;
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* value) override
    {
        if (!value)
            return E_POINTER;
        VariantInit(value); // the window's own, as its host says
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override
    {
        if (!host)
            return E_POINTER;
        *host = nullptr;
        return IsWindow(window_) ? host_(window_, host) : kElementNotAvailable;
    }

private:
    ~NotificationSource() = default;

    HWND window_;
    HostProvider host_;
    LONG references_ = 1;
};

UiaNotifier::~UiaNotifier() { attach(nullptr); }

void UiaNotifier::attach(HWND source)
{
    if (source_) {
        if (auto disconnect = lookUp<DisconnectProvider>(library_, "UiaDisconnectProvider"))
            disconnect(source_);
        source_->Release();
        source_ = nullptr;
    }
    window_ = source;
}

bool UiaNotifier::load()
{
    if (loaded_)
        return library_ != nullptr;
    loaded_ = true;
    // Kept loaded to the end: UI Automation runs from it, and may still ask a source
    // it was given after the program lets it go.
    library_ = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library_ && !lookUp<RaiseNotification>(library_, "UiaRaiseNotificationEvent")) {
        FreeLibrary(library_);
        library_ = nullptr;
    }
    return library_ != nullptr;
}

bool UiaNotifier::notify(std::wstring_view words)
{
    if (!window_ || !load())
        return false;
    const auto listening = lookUp<ClientsListening>(library_, "UiaClientsAreListening");
    if (!listening || !listening())
        return false;
    if (!source_) {
        const auto host = lookUp<HostProvider>(library_, "UiaHostProviderFromHwnd");
        if (!host)
            return false;
        source_ = new NotificationSource(window_, host);
    }
    BSTR text = SysAllocStringLen(words.data(), static_cast<UINT>(words.size()));
    BSTR activity = SysAllocString(L"CalculatorOrvi2009.Display");
    // A newer result supersedes one not yet said: only the display's last text matters.
    const HRESULT result = lookUp<RaiseNotification>(library_, "UiaRaiseNotificationEvent")(source_,
        kNotificationKindActionCompleted, kNotificationProcessingImportantMostRecent, text,
        activity);
    SysFreeString(text);
    SysFreeString(activity);
    return SUCCEEDED(result);
}

} // namespace ui::win32
