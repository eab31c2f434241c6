#include "model.h"

#include <stdio.h>

#include <malloc.h>

#include "halden.h"
#include "../binding/convert.h"
#include "../binding/wrap.h"

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
    bool failed;
    {
        WideText text(v);
        if (!(failed = text.failed())) {
            size_t n = units_that_fit(text.get(), (size_t)text.length(), (size_t)units);
            memcpy(addr, text.get(), sizeof(wchar_t) * n);
            memset((wchar_t *)addr + n, 0, sizeof(wchar_t));
        }
    }
    if (failed) li_Error("Out of memory for a UTF-16 text");
    return v;
}

LiValue get_wchar_array(const void *addr, int units)
{
    return addr ? wide_text_result((const wchar_t *)addr, units) : Nil;
}

namespace {
constexpr int path_bytes = OFS_MAXPATHNAME;
}

// The platform fills the path in the ANSI code page: it is kept that way, cut to the array.
LiValue StrucSetAnsiPathArray(LiValue inst, void *addr, const LiStrucField *, LiValue v)
{
    need_array_room(inst, addr, path_bytes);
    if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
    char *out = (char *)addr, *longer = nullptr;
    int bytes = 0;
    bool failed;
    {
        WideText text(v);
        if (!(failed = text.failed()) && text.length()) {
            int need = WideCharToMultiByte(CP_ACP, 0, text.get(), text.length(), nullptr, 0, nullptr, nullptr);
            char *narrow = need <= path_bytes ? out : (longer = (char *)malloc((size_t)need));
            if (narrow) bytes = WideCharToMultiByte(CP_ACP, 0, text.get(), text.length(), narrow, need, nullptr, nullptr);
            else failed = true;
        }
    }
    if (bytes > path_bytes - 1) bytes = path_bytes - 1;
    if (longer) memcpy(out, longer, (size_t)bytes);
    free(longer);
    out[bytes] = 0;
    if (failed) li_Error("Out of memory for a UTF-16 text");
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
    return wide_text_result(wide, units);
}

} // namespace savrawin
