// Late-bound calls: a member's name resolved to its DISPID once per type of object (names the type
// information does not know, a management object's properties say, once per object), then
// IDispatch::Invoke with the script's values, by-reference boxes written back after the call, and
// a failure turned into a script error that names the member and shows the server's own words.
#include "com.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "../binding/protected_eval.h"

namespace savrawin::com {

namespace {

// Error text is built in a fixed buffer: nothing with a destructor may be alive when it is raised.
struct Message {
    char text[1024];
    size_t used = 0;
    void add(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        va_list ap;
        va_start(ap, format);
        int n = vsnprintf(text + used, sizeof text - used, format, ap);
        va_end(ap);
        if (n > 0) used = used + (size_t)n < sizeof text ? used + (size_t)n : sizeof text - 1;
    }
    void add_wide(const wchar_t *w)
    {
        if (!w || used + 1 >= sizeof text) return;
        int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, text + used, (int)(sizeof text - used - 1), nullptr, nullptr);
        if (n > 0) used += (size_t)n - 1;
        text[used] = 0;
    }
};

const char *type_label(Held *h)
{
    ComType *t = type_of(h);
    return t && !t->name.empty() ? t->name.c_str() : "the object";
}

void add_hresult(Message &m, HRESULT hr)
{
    m.add("0x%08lX", (unsigned long)hr);
    std::string text = hresult_text(hr);
    if (!text.empty()) m.add(" %s", text.c_str());
}

// A by-reference box: an SComRef instance, whose value goes in and comes back.
bool is_box(LiValue v) { return li_Tag(v) == LI_INSTANCE && li_IsDerived(v, ref_class) && li_InstanceData(v); }
LiValue *box_slot(LiValue v) { return (LiValue *)li_InstanceData(v); }

bool resolve(Held *h, LiValue name, DISPID *id, HRESULT *hr)
{
    ComType *t = type_of(h);
    if (t) {
        auto it = t->ids.find(name);
        if (it != t->ids.end()) return *id = it->second, true;
    }
    if (h->own_ids) {
        auto it = h->own_ids->find(name);
        if (it != h->own_ids->end()) return *id = it->second, true;
    }
    wchar_t wide[256];
    if (!MultiByteToWideChar(CP_UTF8, 0, li_SymbolName(name), -1, wide, 256)) return *hr = DISP_E_UNKNOWNNAME, false;
    LPOLESTR names[1] = {wide};
    if (t && t->info && SUCCEEDED(t->info->GetIDsOfNames(names, 1, id))) {
        t->ids[name] = *id;
        return true;
    }
    *hr = h->dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
    if (FAILED(*hr)) return false;
    if (!h->own_ids) h->own_ids = new std::unordered_map<LiValue, DISPID>();
    (*h->own_ids)[name] = *id;
    return true;
}

// What an argument that cannot be converted is.
void add_kind(Message &m, LiValue v)
{
    switch (li_Tag(v)) {
    case LI_SYMBOL: m.add("the symbol %s", li_SymbolName(v)); break;
    case LI_INSTANCE: m.add("a %s instance", li_SymbolName(li_ClassRecord(li_InstanceBody(v)->cls)->name)); break;
    case LI_DEAD: m.add("a destroyed instance"); break;
    case LI_CLASS: m.add("the class %s", li_SymbolName(li_ClassRecord(v)->name)); break;
    default: m.add("a value of type %d", li_Tag(v));
    }
}

const char *access_verb(Access a)
{
    switch (a) {
    case Access::Put:
    case Access::PutRef: return "assigned";
    default: return "read or called";
    }
}

// A server that raises a scripting runtime error by its number alone (0x800Axxxx) leaves the words
// to the scripting runtime's message table, where the number is the string's id.
std::string runtime_text(HRESULT hr)
{
    static HMODULE table = LoadLibraryExW(L"vbscript.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    wchar_t text[256];
    int n = table ? LoadStringW(table, HRESULT_CODE(hr), text, 256) : 0;
    std::string out;
    if (n > 0) {
        char bytes[768];
        int k = WideCharToMultiByte(CP_UTF8, 0, text, n, bytes, sizeof bytes, nullptr, nullptr);
        if (k > 0) out.assign(bytes, (size_t)k);
    }
    return out;
}

} // namespace

std::string hresult_text(HRESULT hr)
{
    wchar_t *buf = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, (DWORD)hr, 0, (LPWSTR)&buf, 0, nullptr);
    std::string out;
    if (n && buf) {
        while (n && (buf[n - 1] == L'\n' || buf[n - 1] == L'\r' || buf[n - 1] == L' ' || buf[n - 1] == L'.')) buf[--n] = 0;
        int bytes = WideCharToMultiByte(CP_UTF8, 0, buf, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 1) {
            out.resize((size_t)bytes - 1);
            WideCharToMultiByte(CP_UTF8, 0, buf, -1, &out[0], bytes, nullptr, nullptr);
        }
    }
    if (buf) LocalFree(buf);
    if (out.empty() && HRESULT_FACILITY(hr) == FACILITY_CONTROL) out = runtime_text(hr);
    return out;
}

[[noreturn]] static void no_dispatch(const char *label)
{
    Message m;
    m.add("%s: the object has no automation interface (IDispatch)", label);
    li_Error(m.text);
}

LiValue invoke_member(Held *h, LiValue name, Access access, const LiValue *args, int argc)
{
    if (!h->dispatch) no_dispatch(li_SymbolName(name));
    DISPID id;
    HRESULT hr = S_OK;
    if (!resolve(h, name, &id, &hr)) {
        Message m;
        m.add("Unknown name %s for %s (", li_SymbolName(name), type_label(h));
        add_hresult(m, hr);
        m.add(")");
        li_Error(m.text);
    }
    return invoke_id(h, id, li_SymbolName(name), access, args, argc);
}

LiValue invoke_id(Held *h, DISPID id, const char *label, Access access, const LiValue *args, int argc)
{
    if (!h->dispatch) no_dispatch(label);
    // values[i]: argument i as given; slots: the platform's order, last argument first (a box is
    // passed as a reference to its value)
    VARIANT fixed[16];
    VARIANT *values = argc <= 8 ? fixed : (VARIANT *)calloc((size_t)argc * 2, sizeof(VARIANT));
    if (!values) li_Error("Out of memory");
    VARIANT *slots = values + argc;
    const char *why = nullptr;
    int converted = 0;
    for (; converted < argc; converted++) {
        LiValue a = is_box(args[converted]) ? *box_slot(args[converted]) : args[converted];
        if (!to_variant(a, &values[converted], &why)) break;
        VARIANT *slot = &slots[argc - 1 - converted];
        if (is_box(args[converted])) {
            VariantInit(slot);
            V_VT(slot) = VT_BYREF | VT_VARIANT;
            V_VARIANTREF(slot) = &values[converted];
        } else {
            *slot = values[converted];
        }
    }
    auto finish = [&] {
        for (int i = 0; i < converted; i++) VariantClear(&values[i]);
        if (values != fixed) free(values);
    };
    if (converted < argc) {
        finish();
        Message m;
        m.add("%s: argument %d cannot be converted: %s expected, got ", label, converted + 1, why);
        add_kind(m, is_box(args[converted]) ? *box_slot(args[converted]) : args[converted]);
        li_Error(m.text);
    }
    DISPID put = DISPID_PROPERTYPUT;
    bool putting = access == Access::Put || access == Access::PutRef;
    DISPPARAMS params = {slots, putting ? &put : nullptr, (UINT)argc, putting ? 1u : 0u};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info = {};
    UINT bad_argument = (UINT)-1;
    HRESULT hr = h->dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, (WORD)access, &params, putting ? nullptr : &result,
                                     &info, &bad_argument);
    if (FAILED(hr)) {
        Message m;
        int which = bad_argument < (UINT)argc ? argc - (int)bad_argument : 0;
        switch (hr) {
        case DISP_E_EXCEPTION:
            if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
            m.add("%s: ", label);
            add_hresult(m, info.scode ? info.scode : (HRESULT)info.wCode);
            if (info.bstrSource) {
                m.add(" from ");
                m.add_wide(info.bstrSource);
            }
            if (info.bstrDescription) {
                m.add(": ");
                m.add_wide(info.bstrDescription);
            }
            break;
        case DISP_E_MEMBERNOTFOUND:
            m.add("%s: %s has no such member to be %s (", label, type_label(h), access_verb(access));
            add_hresult(m, hr);
            m.add(")");
            break;
        case DISP_E_BADPARAMCOUNT:
            m.add("%s: wrong number of arguments (%d given) (", label, putting ? argc - 1 : argc);
            add_hresult(m, hr);
            m.add(")");
            break;
        case DISP_E_TYPEMISMATCH:
            if (putting) m.add("%s: the value assigned: type mismatch (", label);
            else if (which) m.add("%s: argument %d: type mismatch (", label, which);
            else m.add("%s: an argument: type mismatch (", label);
            add_hresult(m, hr);
            m.add(")");
            break;
        case DISP_E_PARAMNOTFOUND:
            m.add("%s: argument %d is missing (", label, which);
            add_hresult(m, hr);
            m.add(")");
            break;
        default:
            m.add("%s: ", label);
            add_hresult(m, hr);
        }
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
        VariantClear(&result);
        finish();
        li_Error(m.text);
    }
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    // the boxes get their new values; the result waits rooted meanwhile
    ProtectedSlot r(from_variant(&result));
    VariantClear(&result);
    for (int i = 0; i < argc; i++)
        if (is_box(args[i])) *box_slot(args[i]) = from_variant(&values[i]);
    finish();
    return r;
}

} // namespace savrawin::com
