// Script values and VARIANTs, both ways.
//
//   script                               VARIANT                       script again
//   nil / t                              VT_EMPTY / VT_BOOL true       VT_BOOL false gives nil
//   integer, real                        VT_I4, VT_R8                  every integer width; a 64-bit
//                                                                      one outside 32 bits as a real
//                                                                      (exact below 2^53), else as
//                                                                      its exact decimal string
//   string (UTF-8)                       BSTR                          VT_CY and VT_DECIMAL as reals
//   SYSTEMTIME instance                  VT_DATE                       VT_DATE as a SYSTEMTIME
//   list or array                        1-D SAFEARRAY of VARIANT      a SAFEARRAY of any dimension
//                                                                      as nested lists, the first
//                                                                      index outermost; bytes
//                                                                      (VT_UI1) as a byte string
//   SComObject                           VT_DISPATCH (or VT_UNKNOWN)   a new SComObject
//   function                             VT_DISPATCH calling it        (callback.cpp)
//   SComValue (com-value VT VALUE)       that VARIANT                  VT_NULL, VT_ERROR and kinds
//                                                                      without a script form
#include "com.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include "halden.h"

#include "../binding/convert.h"
#include "../binding/protected_eval.h"

namespace savrawin::com {

namespace {

LiValue systemtime_class()
{
    static LiValue cls = nullptr;
    if (!cls) cls = li_SymbolValue(li_SymbolFind("SYSTEMTIME"));
    return cls;
}

bool is_function(LiValue v) { return li_Tag(v) == LI_CLOSURE || li_Tag(v) == LI_NATIVE; }

LiValue t_symbol()
{
    static LiValue t = li_SymbolFind("t");
    return t;
}

BSTR make_bstr(LiValue s)
{
    const char *text = li_SVal(s);
    int bytes = (int)li_StringLength(s);
    // plain ASCII, the common case, widens unit for unit without the code-page calls
    int ascii = 0;
    while (ascii < bytes && (unsigned char)text[ascii] < 0x80) ascii++;
    if (ascii == bytes) {
        BSTR b = SysAllocStringLen(nullptr, (UINT)bytes);
        if (b)
            for (int i = 0; i < bytes; i++) b[i] = (unsigned char)text[i];
        return b;
    }
    int units = bytes ? MultiByteToWideChar(CP_UTF8, 0, text, bytes, nullptr, 0) : 0;
    BSTR b = SysAllocStringLen(nullptr, (UINT)units);
    if (b && units) MultiByteToWideChar(CP_UTF8, 0, text, bytes, b, units);
    return b;
}

bool list_to_array(LiValue v, VARIANT *out, const char **why)
{
    bool is_list = li_Tag(v) == LI_CONS;
    LONG n = is_list ? li_Length(v) : li_ArrayStorage(v)->count;
    SAFEARRAY *sa = SafeArrayCreateVector(VT_VARIANT, 0, (ULONG)n);
    if (!sa) {
        *why = "an array the platform could make (out of memory)";
        return false;
    }
    VARIANT *items;
    SafeArrayAccessData(sa, (void **)&items);
    LiValue l = v;
    for (LONG i = 0; i < n; i++) {
        LiValue item;
        if (is_list) {
            item = li_PairHead(l);
            l = li_PairTail(l);
        } else {
            item = (LiValue)li_ArrayStorage(v)->items[i];
        }
        if (!to_variant(item, &items[i], why)) {
            SafeArrayUnaccessData(sa);
            SafeArrayDestroy(sa);
            return false;
        }
    }
    SafeArrayUnaccessData(sa);
    V_VT(out) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(out) = sa;
    return true;
}

// A 64-bit integer: exact as an integer or a real where it can be, else as its decimal text.
LiValue wide_integer(long long v, bool is_unsigned)
{
    unsigned long long u = (unsigned long long)v;
    if (!is_unsigned && v >= INT32_MIN && v <= INT32_MAX) return li_CreateLong((int32_t)v);
    if (is_unsigned && u <= INT32_MAX) return li_CreateLong((int32_t)u);
    const unsigned long long exact = 1ull << 53;
    if (is_unsigned ? u <= exact : (v <= (long long)exact && v >= -(long long)exact))
        return li_CreateReal(is_unsigned ? (double)u : (double)v);
    char text[32];
    snprintf(text, sizeof text, is_unsigned ? "%llu" : "%lld", v);
    return li_CreateString(text);
}

LiValue boxed_value(const VARIANT *v)
{
    auto *copy = (VARIANT *)LI_Malloc(sizeof(VARIANT));
    VariantInit(copy);
    VariantCopy(copy, const_cast<VARIANT *>(v));
    return li_CreateInstance(value_class, copy, 1);
}

LiValue array_dimension(SAFEARRAY *sa, VARTYPE vt, UINT dim, UINT dims, LONG *index)
{
    LONG low, high;
    SafeArrayGetLBound(sa, dim + 1, &low);
    SafeArrayGetUBound(sa, dim + 1, &high);
    ListBuilder list;
    for (LONG i = low; i <= high; i++) {
        index[dim] = i;
        if (dim + 1 < dims) {
            list.add(array_dimension(sa, vt, dim + 1, dims, index));
            continue;
        }
        void *element;
        if (FAILED(SafeArrayPtrOfIndex(sa, index, &element))) {
            list.add(Nil);
            continue;
        }
        if (vt == VT_VARIANT) {
            list.add(from_variant((const VARIANT *)element));
        } else {
            VARIANT ref;
            V_VT(&ref) = vt | VT_BYREF;
            V_BYREF(&ref) = element;
            list.add(from_variant(&ref));
        }
    }
    return list.list();
}

LiValue from_array(SAFEARRAY *sa, VARTYPE vt)
{
    if (!sa) return Nil;
    UINT dims = SafeArrayGetDim(sa);
    if (dims == 0) return Nil;
    if (vt == VT_UI1 && dims == 1) {
        LONG low, high;
        SafeArrayGetLBound(sa, 1, &low);
        SafeArrayGetUBound(sa, 1, &high);
        void *data;
        if (FAILED(SafeArrayAccessData(sa, &data))) return Nil;
        LiValue s = li_CreateStringN((const char *)data, high >= low ? (int)(high - low + 1) : 0);
        SafeArrayUnaccessData(sa);
        return s;
    }
    LONG index[16] = {};
    if (dims > 16) return Nil;
    SafeArrayLock(sa);
    LiValue r = array_dimension(sa, vt, 0, dims, index);
    SafeArrayUnlock(sa);
    return r;
}

} // namespace

bool passable(LiValue v)
{
    switch (li_Tag(v)) {
    case LI_NIL:
    case LI_LONG:
    case LI_REAL:
    case LI_STRING:
    case LI_CLOSURE:
    case LI_NATIVE: return true;
    case LI_SYMBOL: return v == t_symbol();
    case LI_CONS:
        for (; li_Tag(v) == LI_CONS; v = li_PairTail(v))
            if (!passable(li_PairHead(v))) return false;
        return true;
    case LI_ARRAY:
        for (int i = 0; i < li_ArrayStorage(v)->count; i++)
            if (!passable((LiValue)li_ArrayStorage(v)->items[i])) return false;
        return true;
    case LI_INSTANCE:
        return li_IsDerived(v, object_class) || li_IsDerived(v, value_class) ||
               (li_Tag(systemtime_class()) == LI_CLASS && li_IsDerived(v, systemtime_class()));
    default: return false;
    }
}

bool to_variant(LiValue v, VARIANT *out, const char **why)
{
    VariantInit(out);
    switch (li_Tag(v)) {
    case LI_NIL: return true;
    case LI_SYMBOL:
        if (v == t_symbol()) {
            V_VT(out) = VT_BOOL;
            V_BOOL(out) = VARIANT_TRUE;
            return true;
        }
        break;
    case LI_LONG:
        V_VT(out) = VT_I4;
        V_I4(out) = li_LVal(v);
        return true;
    case LI_REAL:
        V_VT(out) = VT_R8;
        V_R8(out) = li_RVal(v);
        return true;
    case LI_STRING:
        V_BSTR(out) = make_bstr(v);
        if (!V_BSTR(out)) {
            *why = "a string the platform could copy (out of memory)";
            return false;
        }
        V_VT(out) = VT_BSTR;
        return true;
    case LI_CONS:
    case LI_ARRAY: return list_to_array(v, out, why);
    case LI_CLOSURE:
    case LI_NATIVE:
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = make_callback(v);
        return true;
    case LI_INSTANCE:
        if (li_IsDerived(v, object_class)) {
            auto *h = (Held *)li_InstanceData(v);
            if (!h || !h->unknown) {
                *why = "a live object (this one was released)";
                return false;
            }
            h->unknown->AddRef();
            V_VT(out) = h->dispatch ? VT_DISPATCH : VT_UNKNOWN;
            V_UNKNOWN(out) = h->unknown;
            return true;
        }
        if (li_IsDerived(v, value_class) && li_InstanceData(v)) {
            if (FAILED(VariantCopy(out, (VARIANT *)li_InstanceData(v)))) {
                *why = "a value the platform could copy";
                return false;
            }
            return true;
        }
        if (li_Tag(systemtime_class()) == LI_CLASS && li_IsDerived(v, systemtime_class()) && li_InstanceData(v) &&
            li_InstanceDataSize(v) >= sizeof(SYSTEMTIME)) {
            SYSTEMTIME st;
            memcpy(&st, li_InstanceData(v), sizeof st);
            double date;
            if (!SystemTimeToVariantTime(&st, &date)) {
                *why = "a valid date";
                return false;
            }
            V_VT(out) = VT_DATE;
            V_DATE(out) = date;
            return true;
        }
        break;
    default: break;
    }
    *why = "a number, string, t, nil, list, SYSTEMTIME, automation object, com-value or function";
    return false;
}

LiValue from_variant(const VARIANT *v)
{
    VARTYPE vt = V_VT(v);
    if (vt & VT_BYREF) {
        if (!V_BYREF(v)) return Nil;
        VARTYPE base = vt & ~VT_BYREF;
        if (base == VT_VARIANT) return from_variant(V_VARIANTREF(v));
        if (base & VT_ARRAY) return from_array(*V_ARRAYREF(v), base & ~VT_ARRAY);
        // a plain copy of the referenced value, converted as a value
        VARIANT value;
        VariantInit(&value);
        if (FAILED(VariantCopyInd(&value, const_cast<VARIANT *>(v)))) return Nil;
        LiValue r = from_variant(&value);
        VariantClear(&value);
        return r;
    }
    if (vt & VT_ARRAY) {
        VARTYPE element = vt & ~VT_ARRAY;
        if (element == 0 && V_ARRAY(v)) SafeArrayGetVartype(V_ARRAY(v), &element);
        return from_array(V_ARRAY(v), element);
    }
    switch (vt) {
    case VT_EMPTY: return Nil;
    case VT_BOOL: return V_BOOL(v) ? t_symbol() : Nil;
    case VT_I1: return li_CreateLong(V_I1(v));
    case VT_UI1: return li_CreateLong(V_UI1(v));
    case VT_I2: return li_CreateLong(V_I2(v));
    case VT_UI2: return li_CreateLong(V_UI2(v));
    case VT_I4: return li_CreateLong(V_I4(v));
    case VT_INT: return li_CreateLong(V_INT(v));
    case VT_UI4: return wide_integer(V_UI4(v), true);
    case VT_UINT: return wide_integer(V_UINT(v), true);
    case VT_I8: return wide_integer(V_I8(v), false);
    case VT_UI8: return wide_integer((long long)V_UI8(v), true);
    case VT_R4: return li_CreateReal(V_R4(v));
    case VT_R8: return li_CreateReal(V_R8(v));
    case VT_CY: return li_CreateReal((double)V_CY(v).int64 / 10000.0);
    case VT_DECIMAL: {
        double d = 0;
        VarR8FromDec(const_cast<DECIMAL *>(&V_DECIMAL(v)), &d);
        return li_CreateReal(d);
    }
    case VT_DATE: {
        SYSTEMTIME st;
        if (li_Tag(systemtime_class()) != LI_CLASS || !VariantTimeToSystemTime(V_DATE(v), &st)) return boxed_value(v);
        auto *copy = (SYSTEMTIME *)LI_Malloc(sizeof(SYSTEMTIME));
        *copy = st;
        return li_CreateNonNullInstanceAlloc(copy, systemtime_class(), Nil);
    }
    case VT_BSTR: return V_BSTR(v) ? wide_text_result(V_BSTR(v), (int)SysStringLen(V_BSTR(v))) : li_CreateString("");
    case VT_DISPATCH: return wrap_unknown(V_DISPATCH(v));
    case VT_UNKNOWN: return wrap_unknown(V_UNKNOWN(v));
    default: return boxed_value(v);
    }
}

} // namespace savrawin::com
