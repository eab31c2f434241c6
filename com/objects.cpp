// The script side of automation: the classes (SComObject, SComEnumerator, SComValue, SComRef),
// the member hooks that make (.Add d "a" 1), (.-Count d) and (set! (.-CompareMode d) 1) late-bound
// calls, and the functions of the vocabulary, registered from one table.
#include "com.h"

#include <ole2.h>

#include <map>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "../binding/protected_eval.h"
#include "../binding/wrap.h"

#define A(i) ArgBase[i]

namespace savrawin::com {

LiValue object_class, enumerator_class, value_class, ref_class;

namespace {

// ---- errors and arguments ---------------------------------------------------------------------------

[[noreturn]] void fail(const char *format, ...) __attribute__((format(printf, 1, 2)));
void fail(const char *format, ...)
{
    char text[768];
    va_list ap;
    va_start(ap, format);
    vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    li_Error(text);
}

// "0x80040154 Class not registered": the code and the platform's words for it.
[[noreturn]] void fail_hresult(const char *what, const char *name, HRESULT hr)
{
    char text[768];
    {
        std::string words = hresult_text(hr); // gone before the error is raised
        snprintf(text, sizeof text, "%s: cannot reach \"%.300s\": 0x%08lX%s%s", what, name, (unsigned long)hr,
                 words.empty() ? "" : " ", words.c_str());
    }
    li_Error(text);
}

void start(const char *what)
{
    HRESULT hr;
    if (!ensure_apartment(&hr)) fail("%s: COM could not start for this thread (0x%08lX)", what, (unsigned long)hr);
    release_pending();
}

const char *text_arg(int slot)
{
    if (!li_StringP(A(slot))) li_ArgumentError(slot, "a string");
    return li_SVal(A(slot));
}

// A class by its ProgID or "{CLSID}".
CLSID class_id(const char *what, const char *name)
{
    wchar_t wide[512];
    if (!MultiByteToWideChar(CP_UTF8, 0, name, -1, wide, 512)) fail("%s: the name \"%.200s\" is too long", what, name);
    CLSID id;
    HRESULT hr = wide[0] == L'{' ? CLSIDFromString(wide, &id) : CLSIDFromProgID(wide, &id);
    if (FAILED(hr)) fail_hresult(what, name, hr);
    return id;
}

// ---- making and ending objects ---------------------------------------------------------------------

// An instance of cls over a new block holding u (whose one reference it takes over).
LiValue adopt(LiValue cls, IUnknown *u, IDispatch *d)
{
    auto *h = (Held *)calloc(1, sizeof(Held));
    if (!h) {
        u->Release();
        li_Error("Out of memory");
    }
    h->unknown = u;
    h->dispatch = d;
    link_held(h);
    return li_CreateInstance(cls, h, 1);
}

// An object as SComObject: its IDispatch when it has one.
LiValue adopt_object(IUnknown *u)
{
    IDispatch *d = nullptr;
    if (SUCCEEDED(u->QueryInterface(IID_IDispatch, (void **)&d)) && d) {
        u->Release();
        return adopt(object_class, d, d);
    }
    return adopt(object_class, u, nullptr);
}

// The collector ends an instance here; its reference is released at the next safe point.
void held_destroyed(LiValue inst)
{
    auto *h = (Held *)li_InstanceData(inst);
    if (h) unlink_held(h, true);
    li_StrucBasicDestructor(inst);
}

void value_destroyed(LiValue inst)
{
    if (auto *v = (VARIANT *)li_InstanceData(inst)) VariantClear(v);
    li_StrucBasicDestructor(inst);
}

Held *live_held(LiValue v, LiValue cls, const char *what)
{
    if (li_Tag(v) != LI_INSTANCE || !li_IsDerived(v, cls))
        fail("%s: %s expected", what, cls == object_class ? "an automation object (SComObject)" : "an SComEnumerator");
    auto *h = (Held *)li_InstanceData(v);
    if (!h || !h->unknown) fail("%s: the object was released", what);
    return h;
}

// ---- enumeration -----------------------------------------------------------------------------------

// A new SComEnumerator over the collection's _NewEnum.
LiValue enumerator_of(LiValue collection, const char *what)
{
    Held *h = live_held(collection, object_class, what);
    ProtectedSlot e(invoke_id(h, DISPID_NEWENUM, "_NewEnum", Access::Get, nullptr, 0));
    if (li_Tag(e) != LI_INSTANCE || !li_IsDerived(e, object_class)) fail("%s: _NewEnum gave no enumerator", what);
    Held *eh = live_held(e, object_class, what);
    IEnumVARIANT *en = nullptr;
    HRESULT hr = eh->unknown->QueryInterface(IID_IEnumVARIANT, (void **)&en);
    unlink_held(eh, false);
    if (FAILED(hr) || !en) fail("%s: _NewEnum gave no IEnumVARIANT (0x%08lX)", what, (unsigned long)hr);
    return adopt(enumerator_class, en, nullptr);
}

// The enumerator's next item, or Undef after the last.
LiValue next_item(LiValue cursor)
{
    Held *h = live_held(cursor, enumerator_class, "com-next");
    VARIANT v;
    VariantInit(&v);
    ULONG fetched = 0;
    HRESULT hr = static_cast<IEnumVARIANT *>(h->unknown)->Next(1, &v, &fetched);
    if (hr != S_OK || fetched != 1) {
        VariantClear(&v);
        if (FAILED(hr)) fail("com-next: the enumerator failed (0x%08lX)", (unsigned long)hr);
        return Undef;
    }
    LiValue r = from_variant(&v);
    VariantClear(&v);
    return r;
}

// ---- member hooks -------------------------------------------------------------------------------------

LiValue object_call(LiValue inst, LiValue name, LiValue *args, int argc)
{
    start(li_SymbolName(name));
    return invoke_member(live_held(inst, object_class, li_SymbolName(name)), name, Access::Call, args, argc);
}
LiValue object_get(LiValue inst, LiValue name)
{
    start(li_SymbolName(name));
    return invoke_member(live_held(inst, object_class, li_SymbolName(name)), name, Access::Get, nullptr, 0);
}
LiValue object_set(LiValue inst, LiValue name, LiValue value)
{
    start(li_SymbolName(name));
    invoke_member(live_held(inst, object_class, li_SymbolName(name)), name, Access::Put, &value, 1);
    return value;
}
LiValue object_iterate(LiValue inst)
{
    start("dolist");
    return enumerator_of(inst, "dolist");
}
LiValue object_describe(LiValue inst) { return describe_object(live_held(inst, object_class, "describe")); }
const char *object_label(LiValue inst)
{
    auto *h = (Held *)li_InstanceData(inst);
    if (!h || !h->unknown) return "released";
    ComType *t = type_of(h);
    return t ? t->name.c_str() : h->dispatch ? "" : "IUnknown";
}
const LiMemberHooks object_hooks = {object_call, object_get, object_set, object_iterate, nullptr, object_describe,
                                    object_label};

LiValue enumerator_iterate(LiValue inst) { return inst; }
const char *enumerator_label(LiValue inst)
{
    auto *h = (Held *)li_InstanceData(inst);
    return h && h->unknown ? "IEnumVARIANT" : "released";
}
const LiMemberHooks enumerator_hooks = {nullptr, nullptr, nullptr, enumerator_iterate, next_item, nullptr, enumerator_label};

// The printer's text for a typed value, in one buffer: the printer copies it at once.
const char *value_label(LiValue inst)
{
    static char text[48];
    auto *v = (VARIANT *)li_InstanceData(inst);
    if (!v) return "";
    switch (V_VT(v)) {
    case VT_NULL: return "null";
    case VT_EMPTY: return "empty";
    case VT_ERROR: snprintf(text, sizeof text, "error 0x%08lX", (unsigned long)V_ERROR(v)); return text;
    default: snprintf(text, sizeof text, "type %u", (unsigned)V_VT(v)); return text;
    }
}
const LiMemberHooks value_hooks = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, value_label};

// ---- the vocabulary ---------------------------------------------------------------------------------

// (CreateObject progid-or-clsid)
LiValue CreateObject_entry()
{
    const char *name = text_arg(0);
    start("CreateObject");
    CLSID id = class_id("CreateObject", name);
    IUnknown *u = nullptr;
    HRESULT hr = CoCreateInstance(id, nullptr, CLSCTX_SERVER, IID_IUnknown, (void **)&u);
    if (FAILED(hr) || !u) fail_hresult("CreateObject", name, hr);
    return adopt_object(u);
}

LiValue active_object(const char *what, const char *name)
{
    CLSID id = class_id(what, name);
    IUnknown *u = nullptr;
    HRESULT hr = ::GetActiveObject(id, nullptr, &u);
    if (FAILED(hr) || !u) fail_hresult(what, name, hr);
    return adopt_object(u);
}

// (GetActiveObject progid): the running object the class registered.
LiValue GetActiveObject_entry()
{
    const char *name = text_arg(0);
    start("GetActiveObject");
    return active_object("GetActiveObject", name);
}

// (GetObject display-name): the name bound through its moniker ("winmgmts:", a file's path).
LiValue GetObject_entry()
{
    const char *name = text_arg(0);
    start("GetObject");
    int units = MultiByteToWideChar(CP_UTF8, 0, name, -1, nullptr, 0);
    auto *wide = (wchar_t *)calloc(units > 0 ? (size_t)units : 1, sizeof(wchar_t));
    if (!wide) li_Error("Out of memory");
    MultiByteToWideChar(CP_UTF8, 0, name, -1, wide, units);
    IBindCtx *context = nullptr;
    IMoniker *moniker = nullptr;
    IUnknown *u = nullptr;
    ULONG eaten = 0;
    HRESULT hr = CreateBindCtx(0, &context);
    if (SUCCEEDED(hr)) hr = MkParseDisplayName(context, wide, &eaten, &moniker);
    if (SUCCEEDED(hr)) hr = moniker->BindToObject(context, nullptr, IID_IUnknown, (void **)&u);
    if (moniker) moniker->Release();
    if (context) context->Release();
    free(wide);
    if (FAILED(hr) || !u) fail_hresult("GetObject", name, hr);
    return adopt_object(u);
}

// (GetObject path progid): a new object of the class with the file loaded into it; with a nil path,
// the class's running object.
LiValue GetObject2_entry()
{
    const char *progid = text_arg(1);
    start("GetObject");
    if (A(0) == Nil || (li_StringP(A(0)) && li_StringLength(A(0)) == 0)) return active_object("GetObject", progid);
    const char *path = text_arg(0);
    CLSID id = class_id("GetObject", progid);
    IPersistFile *file = nullptr;
    HRESULT hr = CoCreateInstance(id, nullptr, CLSCTX_SERVER, IID_IPersistFile, (void **)&file);
    if (FAILED(hr) || !file) fail_hresult("GetObject", progid, hr);
    wchar_t wide[MAX_PATH * 2];
    MultiByteToWideChar(CP_UTF8, 0, path, -1, wide, MAX_PATH * 2);
    hr = file->Load(wide, STGM_READ);
    if (FAILED(hr)) {
        file->Release();
        fail_hresult("GetObject", path, hr);
    }
    return adopt_object(file);
}

// (com-get obj "Name" args...) and the others: the whole argument list is in slot 0.
LiValue explicit_access(const char *what, Access access, int least)
{
    LiValue all = A(0);
    int n = li_Length(all);
    if (n < least) fail("%s: an object, a member's name%s expected", what, least > 2 ? " and a value" : "");
    LiValue obj = li_PairHead(all), name = li_PairHead(li_PairTail(all));
    if (!li_StringP(name)) li_TypeError(name, LI_TYPE_STRING);
    start(what);
    Held *h = live_held(obj, object_class, what);
    ProtectedSlot symbol(li_SymbolFind(li_SVal(name)));
    CallFrame frame;
    for (LiValue l = li_PairTail(li_PairTail(all)); li_Tag(l) == LI_CONS; l = li_PairTail(l)) frame.push(li_PairHead(l));
    return invoke_member(h, symbol, access, frame.slots(), n - 2);
}
LiValue com_get_entry() { return explicit_access("com-get", Access::Get, 2); }
LiValue com_call_entry() { return explicit_access("com-call", Access::Call, 2); }
LiValue com_put_entry()
{
    explicit_access("com-put", Access::Put, 3);
    LiValue l = A(0);
    while (li_Tag(li_PairTail(l)) == LI_CONS) l = li_PairTail(l);
    return li_PairHead(l);
}
LiValue com_putref_entry()
{
    explicit_access("com-putref", Access::PutRef, 3);
    return li_PairHead(li_PairTail(li_PairTail(A(0))));
}

// (com-release obj): the reference goes now; later calls on obj are errors.
LiValue com_release_entry()
{
    LiValue v = A(0);
    if (li_Tag(v) != LI_INSTANCE || !(li_IsDerived(v, object_class) || li_IsDerived(v, enumerator_class)))
        fail("com-release: an automation object or enumerator expected");
    auto *h = (Held *)li_InstanceData(v);
    bool held = h && h->unknown;
    if (held) unlink_held(h, false);
    return held ? li_SymbolFind("t") : Nil;
}

// (com-list collection): every item of the collection's enumerator, as a list.
LiValue com_list_entry()
{
    start("com-list");
    ProtectedSlot cursor(enumerator_of(A(0), "com-list"));
    ListBuilder items;
    for (LiValue item; (item = next_item(cursor)) != Undef;) items.add(item);
    unlink_held((Held *)li_InstanceData(cursor), false);
    return items.list();
}

// (com-enum collection): an enumerator that dolist and com-next walk one item at a time.
LiValue com_enum_entry()
{
    start("com-enum");
    return enumerator_of(A(0), "com-enum");
}

// (com-next enumerator): (item) for the next item, nil after the last.
LiValue com_next_entry()
{
    start("com-next");
    ProtectedSlot item(next_item(A(0)));
    return item.get() == Undef ? Nil : li_Cons(item, Nil);
}

// (com-ref value): a box passed by reference; the callee's new value is in (.-value box) after.
LiValue com_ref_entry()
{
    if (!passable(A(0))) li_ArgumentError(0, "a value an automation call takes");
    auto *slot = (LiValue *)LI_Malloc(sizeof(LiValue));
    *slot = Nil; // the collector may look before the value is in
    LiValue box = li_CreateNonNullInstanceAlloc(slot, ref_class, Nil);
    *(LiValue *)li_InstanceData(box) = A(0);
    return box;
}

// (com-value vt value): value as a VARIANT of type vt (VT_NULL, VT_ERROR with its SCODE, VT_CY from
// an exact string, VT_BOOL false, ...), passed as it is.
LiValue com_value_entry()
{
    if (!li_LongP(A(0))) li_TypeError(A(0), LI_TYPE_INTEGER);
    VARTYPE vt = (VARTYPE)li_LVal(A(0));
    auto *out = (VARIANT *)LI_Malloc(sizeof(VARIANT));
    VariantInit(out);
    HRESULT hr = S_OK;
    if (vt == VT_NULL || vt == VT_EMPTY) {
        V_VT(out) = vt;
    } else if (vt == VT_ERROR) {
        if (!li_LongP(A(1))) {
            free(out);
            li_TypeError(A(1), LI_TYPE_INTEGER);
        }
        V_VT(out) = VT_ERROR;
        V_ERROR(out) = li_LVal(A(1));
    } else {
        const char *why;
        VARIANT in;
        if (!to_variant(A(1), &in, &why)) {
            free(out);
            fail("com-value: the value cannot be converted: %s expected", why);
        }
        hr = VariantChangeType(out, &in, 0, vt);
        VariantClear(&in);
    }
    if (FAILED(hr)) {
        free(out);
        fail("com-value: the value cannot become type %u (0x%08lX)", (unsigned)vt, (unsigned long)hr);
    }
    return li_CreateInstance(value_class, out, 1);
}

// (com-value-type v): the VARIANT type of an SComValue.
LiValue com_value_type_entry()
{
    LiValue v = A(0);
    if (li_Tag(v) != LI_INSTANCE || !li_IsDerived(v, value_class) || !li_InstanceData(v))
        fail("com-value-type: an SComValue expected");
    return li_CreateLong(V_VT((VARIANT *)li_InstanceData(v)));
}

// (com-describe obj-or-progid): describe for an object, or for a new object of the class named.
LiValue com_describe_entry()
{
    ProtectedSlot obj(A(0));
    bool made = li_StringP(A(0));
    if (made) obj = CreateObject_entry();
    ProtectedSlot text(describe_object(live_held(obj, object_class, "com-describe")));
    if (made) unlink_held((Held *)li_InstanceData(obj), false);
    Printf("%s", li_SVal(text));
    return Nil;
}

const FunctionRow rows[] = {
    SAVRA_ENTRY("CreateObject", CreateObject_entry, "progID"),
    SAVRA_ENTRY("GetObject", GetObject_entry, "displayName"),
    SAVRA_ENTRY("GetObject", GetObject2_entry, "pathName", "progID"),
    SAVRA_ENTRY("GetActiveObject", GetActiveObject_entry, "progID"),
    SAVRA_ENTRY("com-release", com_release_entry, "object"),
    SAVRA_ENTRY("com-list", com_list_entry, "collection"),
    SAVRA_ENTRY("com-enum", com_enum_entry, "collection"),
    SAVRA_ENTRY("com-next", com_next_entry, "enumerator"),
    SAVRA_ENTRY("com-ref", com_ref_entry, "value"),
    SAVRA_ENTRY("com-value", com_value_entry, "vt", "value"),
    SAVRA_ENTRY("com-value-type", com_value_type_entry, "value"),
    SAVRA_ENTRY("com-describe", com_describe_entry, "objectOrProgID"),
};

// The explicit forms take a rest list; describe shows their forms.
void register_rest(const char *name, LiEntry entry, const char *forms)
{
    li_CLFunction(name, entry, 1, "arguments", LI_PARAM_REST);
    li_DescribeForms(entry, forms);
}
const LaterRow rest_rows[] = {
    SAVRA_LATER("com-get", register_rest(name, com_get_entry, "object name argument...")),
    SAVRA_LATER("com-call", register_rest(name, com_call_entry, "object name argument...")),
    SAVRA_LATER("com-put", register_rest(name, com_put_entry, "object name index... value")),
    SAVRA_LATER("com-putref", register_rest(name, com_putref_entry, "object name value")),
};

// The names, a list of strings, so the reference lists them apart.
LiValue vocabulary_entry()
{
    ListBuilder names;
    for (const FunctionRow &r : rows)
        if (&r == rows || strcmp(r.name, (&r)[-1].name) != 0) names.add(li_CreateString(r.name));
    for (const LaterRow &r : rest_rows) names.add(li_CreateString(r.name));
    return names.list();
}
const LaterRow vocabulary[] = {SAVRA_LATER("_com_vocabulary_", li_CLFunction(name, vocabulary_entry, 0))};

// The VARIANT types com-value takes, by their SDK names.
const LiConstant variant_types[] = {
    {"VT_EMPTY", VT_EMPTY}, {"VT_NULL", VT_NULL},   {"VT_I2", VT_I2},         {"VT_I4", VT_I4},
    {"VT_R4", VT_R4},       {"VT_R8", VT_R8},       {"VT_CY", VT_CY},         {"VT_DATE", VT_DATE},
    {"VT_BSTR", VT_BSTR},   {"VT_ERROR", VT_ERROR}, {"VT_BOOL", VT_BOOL},     {"VT_DECIMAL", VT_DECIMAL},
    {"VT_I1", VT_I1},       {"VT_UI1", VT_UI1},     {"VT_UI2", VT_UI2},       {"VT_UI4", VT_UI4},
    {"VT_I8", VT_I8},       {"VT_UI8", VT_UI8},     {"VT_INT", VT_INT},       {"VT_UINT", VT_UINT},
};

// A box's value is what an automation call takes, whoever puts it there.
LiValue set_box_value(LiValue inst, void *addr, const LiStrucField *f, LiValue v)
{
    if (!passable(v)) li_Error("SComRef value: a value an automation call takes expected (a number, string, t, nil, "
                               "list, SYSTEMTIME, automation object, com-value or function)");
    return li_StrucSetCell(inst, addr, f, v);
}

const LiStrucField no_fields[] = {{}};
const LiStrucField ref_fields[] = {{"value", (0u << 16) | FT_CELL, 0, set_box_value, li_StrucGetCell, nullptr}, {}};

LiValue make_class(const char *name, const LiStrucField *fields, uint32_t size, LiInstanceHook destroyed)
{
    LiValue cls = li_MakeClass(name, Nil, Nil, fields, size, nullptr, nullptr);
    if (destroyed) li_ClassRecord(cls)->destroy = destroyed;
    return cls;
}

} // namespace

LiValue wrap_unknown(IUnknown *u)
{
    if (!u) return Nil;
    u->AddRef();
    return adopt_object(u);
}

ComType *type_of(Held *h)
{
    static std::map<std::string, ComType *> types; // by the type's GUID
    if (h->type_resolved) return h->type;
    h->type_resolved = true;
    UINT count = 0;
    ITypeInfo *info = nullptr;
    if (!h->dispatch || FAILED(h->dispatch->GetTypeInfoCount(&count)) || count == 0 ||
        FAILED(h->dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)) || !info)
        return nullptr;
    TYPEATTR *attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr))) {
        info->Release();
        return nullptr;
    }
    std::string key((const char *)&attr->guid, sizeof(GUID));
    bool anonymous = IsEqualGUID(attr->guid, GUID_NULL);
    info->ReleaseTypeAttr(attr);
    if (anonymous) {
        info->Release();
        return nullptr;
    }
    auto it = types.find(key);
    if (it != types.end()) {
        info->Release();
        return h->type = it->second;
    }
    auto *t = new ComType();
    t->info = info; // kept for the life of the process, as the type's names are
    BSTR name = nullptr;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)) && name) {
        int bytes = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 1) {
            t->name.resize((size_t)bytes - 1);
            WideCharToMultiByte(CP_UTF8, 0, name, -1, &t->name[0], bytes, nullptr, nullptr);
        }
        SysFreeString(name);
    }
    types[key] = t;
    return h->type = t;
}

} // namespace savrawin::com

namespace savrawin {

void create_com_classes()
{
    using namespace com;
    object_class = make_class("SComObject", no_fields, sizeof(Held), held_destroyed);
    enumerator_class = make_class("SComEnumerator", no_fields, sizeof(Held), held_destroyed);
    value_class = make_class("SComValue", no_fields, sizeof(VARIANT), value_destroyed);
    ref_class = make_class("SComRef", ref_fields, sizeof(LiValue), nullptr);
    li_ResolveMembers(object_class, &object_hooks);
    li_ResolveMembers(enumerator_class, &enumerator_hooks);
    li_ResolveMembers(value_class, &value_hooks);
}

void register_com()
{
    using namespace com;
    register_functions(rows, sizeof rows / sizeof rows[0]);
    register_later(rest_rows);
    register_later(vocabulary);
    // set one by one: the module's two constant tables stay the only ones it installs
    for (const LiConstant &c : variant_types) {
        LiValue symbol = li_SymbolFind(c.name);
        li_SymbolSetValue(symbol, li_CreateLong(c.value));
    }
    // the values VT_NULL and a skipped optional argument (DISP_E_PARAMNOTFOUND) stand ready
    // filled by hand: loading the module does not load the automation libraries
    auto *null_value = (VARIANT *)LI_Malloc(sizeof(VARIANT));
    memset(null_value, 0, sizeof(VARIANT));
    V_VT(null_value) = VT_NULL;
    LiValue symbol = li_SymbolFind("com-null");
    li_SymbolSetValue(symbol, li_CreateInstance(value_class, null_value, 1));
    auto *missing = (VARIANT *)LI_Malloc(sizeof(VARIANT));
    memset(missing, 0, sizeof(VARIANT));
    V_VT(missing) = VT_ERROR;
    V_ERROR(missing) = DISP_E_PARAMNOTFOUND;
    symbol = li_SymbolFind("com-missing");
    li_SymbolSetValue(symbol, li_CreateInstance(value_class, missing, 1));
}

void end_com() { com::end_apartment(); }

} // namespace savrawin
