// A script function where a server expects an IDispatch to call back (an XML request's
// onreadystatechange, a script engine's host object): invoking its DISPID_VALUE calls the function
// through the callback bridge, so an error in it is reported as a handler's and never unwinds
// through the server. The function is kept in a list the collector sees while the server holds
// the object.
#include "com.h"

#include "../binding/bridge.h"

namespace savrawin::com {

namespace {

LiValue kept_symbol() { return li_SymbolFind("_com_callbacks_kept"); }

class ScriptCallback final : public IDispatch {
public:
    explicit ScriptCallback(LiValue function)
    {
        ProtectedSlot f(function);
        LiValue symbol = kept_symbol();
        ProtectedSlot cell(li_Cons(f, Nil));
        cell_ = cell;
        LiValue list = li_SymbolValue(symbol);
        li_SymbolSetValue(symbol, li_Cons(cell, list == Undef ? Nil : list));
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **out) override
    {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *out = static_cast<IDispatch *>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG n = InterlockedDecrement(&refs_);
        if (n == 0) {
            forget();
            delete this;
        }
        return (ULONG)n;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override
    {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT count, LCID, DISPID *ids) override
    {
        for (UINT i = 0; i < count; i++) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *result, EXCEPINFO *,
                                     UINT *) override
    {
        if (id != DISPID_VALUE) return DISP_E_MEMBERNOTFOUND;
        AddRef(); // the function may drop the last reference the server holds
        UINT n = params ? params->cArgs : 0;
        CallFrame frame;
        for (UINT i = 0; i < n; i++) {
            const VARIANT *a = &params->rgvarg[n - 1 - i];
            frame.push(protected_run([&] { return from_variant(a); }));
        }
        LiValue r = run_script_function(li_PairHead(cell_), frame.slots(), (int)n);
        if (result) {
            const char *why;
            if (!to_variant(r, result, &why)) VariantInit(result);
        }
        Release();
        return S_OK;
    }

private:
    // The function's cell leaves the kept list (no allocation: a release may come at any time).
    void forget()
    {
        LiValue symbol = kept_symbol(), previous = Nil;
        for (LiValue l = li_SymbolValue(symbol); li_Tag(l) == LI_CONS; l = li_PairTail(l)) {
            if (li_PairHead(l) == cell_) {
                if (previous == Nil) li_SymbolSetValue(symbol, li_PairTail(l));
                else li_Rplacd(previous, li_PairTail(l));
                return;
            }
            previous = l;
        }
    }

    LONG refs_ = 1;
    LiValue cell_; // (function), an element of the kept list
};

} // namespace

IDispatch *make_callback(LiValue function) { return new ScriptCallback(function); }

} // namespace savrawin::com
