#include "model.h"

#include <stdio.h>

#include <malloc.h>

#include "halden.h"
#include "../module/convert.h"
#include "../module/wrap.h"

namespace savrawin {

namespace {
// Addresses of the UTF-16 buffers this module allocated for string fields and not yet released:
// the release hook frees only those, never a pointer the platform stored. A buffer's room is its
// block's own size.
UT_Array *registry = nullptr;

int compare_address(const void *a, const void *b)
{
    uintptr_t x = (uintptr_t)a, y = (uintptr_t)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

// Values that are not text to follow: fill patterns of freed or uninitialised memory, and the
// first 64 KB, where a field holds an integer resource id rather than a pointer.
bool is_not_text(uint32_t p)
{
    return p == 0xFFFFFFFF || p == 0xCDCDCDCD || p == 0xCCCCCCCC || p == 0xFEEEFEEE || p > 0xFFFFFFF0 || p < 0x10000;
}
// Stores buf at addr and registers it, so the release hook frees it.
void keep_string(void *addr, wchar_t *buf)
{
    memcpy(addr, &buf, sizeof buf);
    if (!registry) registry = UT_ArrayCreate(128, 0);
    int found = 0;
    int at = UT_ArraySearch(registry, buf, compare_address, &found);
    if (!found) UT_ArrayAdd(registry, at, buf);
}
} // namespace

LiValue StrucSetWStringPtr(LiValue, void *addr, const LiStrucField *, LiValue v)
{
    if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
    store_wide_string(addr, v);
    return v;
}

void store_wide_string(void *addr, LiValue v)
{
    int n = li_Length(v) + 1;
    wchar_t *buf = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)n);
    widen_into(v, buf, n); // a UTF-8 text never needs more units than it has bytes
    keep_string(addr, buf);
}

void store_wide_text(void *addr, const wchar_t *text)
{
    int n = (int)wcslen(text) + 1;
    wchar_t *buf = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)n);
    memcpy(buf, text, sizeof(wchar_t) * (size_t)n);
    keep_string(addr, buf);
}

int string_registry_count() { return registry ? registry->count : 0; }

int string_field_room(const void *p)
{
    int found = 0;
    if (!p || !registry) return -1;
    UT_ArraySearch(registry, p, compare_address, &found);
    return found ? (int)(_msize(const_cast<void *>(p)) / sizeof(wchar_t)) : -1;
}

LiValue StrucGetWStringPtr(LiValue, void *addr)
{
    const wchar_t *p;
    memcpy(&p, addr, sizeof p);
    if (!p) return Nil;
    if (is_not_text((uint32_t)(uintptr_t)p)) return Undef;
    return wide_text_result(p);
}

void StrucFreeWStringPtr(LiValue, void *addr)
{
    void *p;
    memcpy(&p, addr, sizeof p);
    if (!p || !registry) return;
    int found = 0;
    int at = UT_ArraySearch(registry, p, compare_address, &found);
    if (!found) return;
    UT_ArrayRemove(registry, at);
    LI_Free(p);
}

namespace {
// Views handed out lately, by parent and address. The table is no root: the collector frees a
// view as it would without it, and an entry is used only while its cell is still an instance with
// that parent, address and class (cells are never returned to the system, and a freed or reused
// one fails the comparison), so a view is never kept alive or handed out for anything else.
LiValue recent_views[64];
} // namespace

LiValue embedded_view(LiValue cls, LiValue inst, void *addr)
{
    LiValue &slot = recent_views[((uintptr_t)addr >> 2 ^ (uintptr_t)inst >> 4) % 64];
    if (slot && li_Tag(slot) == LI_INSTANCE && !(slot->hdr & LI_HDR_DYING)) {
        const LiInstanceBody *b = li_InstanceBody(slot);
        if (b->parent == inst && b->data == addr && b->cls == cls) return slot;
    }
    LiValue view = li_CreateView(cls, inst, addr);
    slot = view;
    return view;
}

void need_array_room(LiValue inst, const void *addr, uint32_t bytes)
{
    uint32_t at = (uint32_t)((const char *)addr - (const char *)li_InstanceData(inst)), size = li_InstanceDataSize(inst);
    if (at > size || bytes > size - at) {
        char text[160];
        snprintf(text, sizeof text, "A %u-byte array at byte %u lies past the instance's %u bytes of data", bytes, at, size);
        li_Error(text);
    }
}

LiValue set_wchar_array(void *addr, LiValue v, int units)
{
    if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
    HRESULT failure = S_OK;
    try {
        Utf8ToUtf16 text(li_SVal(v), (size_t)li_Length(v));
        const wchar_t *w = text.get();
        size_t n = units_that_fit(w, (size_t)lstrlenW(w), (size_t)units);
        memcpy(addr, w, sizeof(wchar_t) * n);
        memset((wchar_t *)addr + n, 0, sizeof(wchar_t));
    } catch (const ConversionError &e) {
        failure = e.hr;
    }
    if (failure != S_OK) li_Error("Text conversion failed");
    return v;
}

LiValue get_wchar_array(const void *addr, int units)
{
    if (!addr) return Nil;
    const wchar_t *w = (const wchar_t *)addr;
    int n = 0;
    while (n < units && w[n]) n++;
    int bytes = n ? WideCharToMultiByte(CP_UTF8, 0, w, n, nullptr, 0, nullptr, nullptr) : 0;
    LiValue s = li_CreateStringN(nullptr, bytes);
    if (bytes) WideCharToMultiByte(CP_UTF8, 0, w, n, li_SVal(s), bytes, nullptr, nullptr);
    return s;
}

namespace {
constexpr int path_bytes = OFS_MAXPATHNAME;
}

LiValue StrucSetAnsiPathArray(LiValue inst, void *addr, const LiStrucField *, LiValue v)
{
    need_array_room(inst, addr, path_bytes);
    if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
    char *out = (char *)addr;
    int bytes = 0;
    HRESULT failure = S_OK;
    try {
        Utf8ToUtf16 text(li_SVal(v), (size_t)li_Length(v));
        int need = WideCharToMultiByte(CP_ACP, 0, text.get(), -1, nullptr, 0, nullptr, nullptr);
        ConvertBuffer<char> narrow;
        char *n = narrow.reserve(need);
        bytes = WideCharToMultiByte(CP_ACP, 0, text.get(), -1, n, need, nullptr, nullptr) - 1;
        if (bytes < 0) bytes = 0;
        if (bytes > path_bytes - 1) bytes = path_bytes - 1;
        memcpy(out, n, (size_t)bytes);
    } catch (const ConversionError &e) {
        failure = e.hr;
    }
    out[bytes] = 0;
    if (failure != S_OK) li_Error("Text conversion failed");
    return v;
}

LiValue StrucGetAnsiPathArray(LiValue inst, void *addr)
{
    need_array_room(inst, addr, path_bytes);
    const char *a = (const char *)addr;
    int n = 0;
    while (n < path_bytes && a[n]) n++;
    wchar_t wide[path_bytes];
    int units = n ? MultiByteToWideChar(CP_ACP, 0, a, n, wide, path_bytes) : 0;
    int bytes = units ? WideCharToMultiByte(CP_UTF8, 0, wide, units, nullptr, 0, nullptr, nullptr) : 0;
    LiValue s = li_CreateStringN(nullptr, bytes);
    if (bytes) WideCharToMultiByte(CP_UTF8, 0, wide, units, li_SVal(s), bytes, nullptr, nullptr);
    return s;
}

} // namespace savrawin
