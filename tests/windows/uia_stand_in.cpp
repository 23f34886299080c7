// A stand-in for Windows' UI Automation core (uiautomationcore.dll), for
// the screen-reader check under Wine: Wine's own client deadlocks against
// Qt's provider, so this one answers Qt's run-time look-ups in the program's
// own process. It walks the tree Qt's provider gives for the window last
// asked, and records every event Qt raises with what its element says of
// itself at that moment, and whether the element can be seen then.
#include <windows.h>

#include <oleauto.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <iterator>
#include <string>

// The Value pattern's interface, which MinGW's headers leave out; outside
// any unnamed namespace, or the compiler takes it for one of this file's.
struct ValueProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) = 0;
};

namespace {

// Further ids MinGW's headers leave out.
constexpr IID kValueProviderId = {0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};
constexpr int kFirstControlType = 50000; // Button

IRawElementProviderSimple* lastRoot = nullptr;
HWND lastHost = nullptr;
std::wstring events;
std::wstring taken;

template <typename Interface>
Interface* as(IUnknown* object, REFIID iid)
{
    void* result = nullptr;
    if (!object || FAILED(object->QueryInterface(iid, &result)))
        return nullptr;
    return static_cast<Interface*>(result);
}

bool sameElement(IUnknown* a, IUnknown* b)
{
    IUnknown* first = as<IUnknown>(a, __uuidof(IUnknown));
    IUnknown* second = as<IUnknown>(b, __uuidof(IUnknown));
    const bool same = first && first == second;
    if (first)
        first->Release();
    if (second)
        second->Release();
    return same;
}

IRawElementProviderFragment* navigate(IRawElementProviderFragment* from, NavigateDirection direction)
{
    IRawElementProviderFragment* to = nullptr;
    if (!from || FAILED(from->Navigate(direction, &to)))
        return nullptr;
    return to;
}

std::wstring property(IRawElementProviderSimple* element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(element->GetPropertyValue(id, &value)))
        text = value.vt == VT_BSTR && value.bstrVal ? value.bstrVal
            : value.vt == VT_I4                     ? std::to_wstring(value.lVal)
            : value.vt == VT_BOOL && value.boolVal  ? L"1"
                                                    : L"";
    VariantClear(&value);
    return text;
}

// Type "Name", as a reader has it.
std::wstring named(IRawElementProviderSimple* element)
{
    static const wchar_t* const types[] = {
        L"Button",     L"Calendar", L"CheckBox", L"ComboBox",    L"Edit",     L"Hyperlink",   L"Image",
        L"ListItem",   L"List",     L"Menu",     L"MenuBar",     L"MenuItem", L"ProgressBar", L"RadioButton",
        L"ScrollBar",  L"Slider",   L"Spinner",  L"StatusBar",   L"Tab",      L"TabItem",     L"Text",
        L"ToolBar",    L"ToolTip",  L"Tree",     L"TreeItem",    L"Custom",   L"Group",       L"Thumb",
        L"DataGrid",   L"DataItem", L"Document", L"SplitButton", L"Window",   L"Pane",        L"Header",
        L"HeaderItem", L"Table",    L"TitleBar", L"Separator"};
    const std::wstring type = property(element, UIA_ControlTypePropertyId);
    const int index = type.empty() ? -1 : std::stoi(type) - kFirstControlType;
    const bool known = index >= 0 && index < int(std::size(types));
    return (known ? std::wstring(types[index]) : type) + L" \"" + property(element, UIA_NamePropertyId) + L'"';
}

// One element as a line: Type "Name" = "value" [focused].
std::wstring described(IRawElementProviderSimple* element)
{
    std::wstring line = named(element);
    IUnknown* pattern = nullptr;
    if (SUCCEEDED(element->GetPatternProvider(UIA_ValuePatternId, &pattern)) && pattern) {
        BSTR text = nullptr;
        if (auto* value = as<ValueProvider>(pattern, kValueProviderId)) {
            if (SUCCEEDED(value->get_Value(&text)) && text && *text)
                line += std::wstring(L" = \"") + text + L'"';
            value->Release();
        }
        SysFreeString(text);
        pattern->Release();
    }
    return property(element, UIA_HasKeyboardFocusPropertyId) == L"1" ? line + L" [focused]" : line;
}

void walk(IRawElementProviderFragment* node, int depth, std::wstring& lines)
{
    if (auto* simple = as<IRawElementProviderSimple>(node, __uuidof(IRawElementProviderSimple))) {
        lines += std::wstring(depth * 2, L' ') + described(simple) + L'\n';
        simple->Release();
    }
    for (IRawElementProviderFragment* child = navigate(node, NavigateDirection_FirstChild); child;) {
        walk(child, depth + 1, lines);
        IRawElementProviderFragment* next = navigate(child, NavigateDirection_NextSibling);
        child->Release();
        child = next;
    }
}

// Seen: each element up to its window is among its parent's children as
// the tree gives them (Qt leaves hidden ones out), and the window is shown.
bool shown(IRawElementProviderSimple* element)
{
    IRawElementProviderFragment* node = as<IRawElementProviderFragment>(element, __uuidof(IRawElementProviderFragment));
    bool seen = node != nullptr;
    while (seen) {
        IRawElementProviderFragment* parent = navigate(node, NavigateDirection_Parent);
        if (!parent) {
            IRawElementProviderSimple* host = nullptr;
            lastHost = nullptr;
            if (auto* simple = as<IRawElementProviderSimple>(node, __uuidof(IRawElementProviderSimple))) {
                if (SUCCEEDED(simple->get_HostRawElementProvider(&host)) && host)
                    host->Release();
                simple->Release();
            }
            seen = lastHost && IsWindowVisible(lastHost);
            break;
        }
        bool found = false;
        for (IRawElementProviderFragment* child = navigate(parent, NavigateDirection_FirstChild); child;) {
            found = found || sameElement(child, node);
            IRawElementProviderFragment* next = found ? nullptr : navigate(child, NavigateDirection_NextSibling);
            child->Release();
            child = next;
        }
        node->Release();
        node = parent;
        seen = found;
    }
    if (node)
        node->Release();
    return seen;
}

// One event a line: kind Type "Name" "detail", and "(unseen)" where its
// element could not be seen.
void record(const std::wstring& kind, IRawElementProviderSimple* element, const std::wstring& detail)
{
    events += kind + L' ' + named(element) + (detail.empty() ? L"" : L" \"" + detail + L'"');
    events += shown(element) ? L"\n" : L" (unseen)\n";
}

} // namespace

extern "C" {

// Clients always listen, so that Qt raises every event.
BOOL WINAPI UiaClientsAreListening() { return TRUE; }

// Qt answers a window's WM_GETOBJECT with its provider through this.
LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* provider)
{
    if (provider)
        provider->AddRef();
    if (lastRoot)
        lastRoot->Release();
    lastRoot = provider;
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND hwnd, IRawElementProviderSimple** provider)
{
    lastHost = hwnd;
    if (provider)
        *provider = nullptr;
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* provider, EVENTID id)
{
    // Focus changed, window opened and closed, item selected, text and
    // selection changed; any other by its number.
    const std::wstring kind = id == 20005 ? L"focus"
        : id == 20016                     ? L"opened"
        : id == 20017                     ? L"closed"
        : id == 20012                     ? L"selected"
        : id == 20015                     ? L"text"
        : id == 20014                     ? L"selection"
                                          : L"event " + std::to_wstring(id);
    record(kind, provider, {});
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* provider, PROPERTYID id, VARIANT,
                                                      VARIANT newValue)
{
    const std::wstring value = newValue.vt == VT_BSTR && newValue.bstrVal ? newValue.bstrVal : L"";
    record(id == UIA_NamePropertyId             ? L"name"
               : id == UIA_ValueValuePropertyId ? L"value"
                                                : L"property",
           provider, value);
    return S_OK;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* provider, int, int, BSTR text, BSTR)
{
    record(L"notification", provider, text ? text : L"");
    return S_OK;
}

// For the check: the tree of the window last asked, one element a line,
// indented by depth; the events since the last call, one a line.
const wchar_t* AmorixTree()
{
    taken.clear();
    if (auto* root = as<IRawElementProviderFragment>(lastRoot, __uuidof(IRawElementProviderFragment))) {
        walk(root, 0, taken);
        root->Release();
    }
    return taken.c_str();
}
const wchar_t* AmorixTakeEvents()
{
    taken.swap(events);
    events.clear();
    return taken.c_str();
}

} // extern "C"
