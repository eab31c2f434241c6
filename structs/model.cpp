#include "model.h"

#include "halden.h"
#include "../module/wrap.h"

namespace savrawin {

namespace {
// Addresses of the UTF-16 buffers this module allocated for string fields and not yet released:
// the release hook frees only those, never a pointer the platform stored.
UT_Array *registry = nullptr;

int compare_address(const void *a, const void *b)
{
    uintptr_t x = (uintptr_t)a, y = (uintptr_t)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

bool is_fill_pattern(uint32_t p) { return p == 0xFFFFFFFF || p == 0xCDCDCDCD || p == 0xCCCCCCCC || p == 0xFEEEFEEE || p > 0xFFFFFFF0; }
} // namespace

LiValue StrucSetWStringPtr(LiValue, void *addr, const LiStrucField *, LiValue v)
{
    if (!li_StringP(v)) li_TypeError(v, 5);
    int n = li_Length(v) + 1;
    wchar_t *buf = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)n);
    MultiByteToWideChar(CP_UTF8, 0, li_SVal(v), -1, buf, n);
    memcpy(addr, &buf, sizeof buf);
    if (!registry) registry = UT_ArrayCreate(128, 0);
    int found = 0;
    int at = UT_ArraySearch(registry, buf, compare_address, &found);
    if (!found) UT_ArrayAdd(registry, at, buf);
    return v;
}

LiValue StrucGetWStringPtr(LiValue, void *addr)
{
    const wchar_t *p;
    memcpy(&p, addr, sizeof p);
    if (!p) return Nil;
    if (is_fill_pattern((uint32_t)(uintptr_t)p)) return Undef;
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

} // namespace savrawin
