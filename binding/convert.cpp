#include "convert.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <emmintrin.h>

namespace savrawin {

// Plain ASCII, the common case, is widened and narrowed here without the code-page calls.
namespace {
int ascii_length(const wchar_t *text, int units)
{
    int k = 0;
    while ((units < 0 || k < units) && text[k] && text[k] < 0x80) k++;
    return (units >= 0 && k == units) || !text[k] ? k : -1;
}

// A byte's high bit in the mask: above 0x7F, or NUL (all ones after the comparison).
__attribute__((target("sse2"), always_inline)) inline int stop_mask(__m128i b)
{
    return _mm_movemask_epi8(_mm_or_si128(b, _mm_cmpeq_epi8(b, _mm_setzero_si128())));
}

// Sixteen bytes a step while none is NUL or above 0x7F, the last step overlapping the one before
// so that it ends at the text's end; text of 8 to 15 bytes goes as two overlapping 8-byte steps.
// A step that meets such a byte stores nothing: the bytes up to it go on the byte-wise path. The
// build targets plain i686, so this is compiled for SSE2 and taken only where the processor has it.
__attribute__((target("sse2"))) int widen_ascii_sse2(const char *text, int length, wchar_t *out)
{
    const __m128i zero = _mm_setzero_si128();
    if (length < 16) {
        __m128i head = _mm_loadl_epi64((const __m128i *)text), tail = _mm_loadl_epi64((const __m128i *)(text + length - 8));
        if ((stop_mask(head) | stop_mask(tail)) & 0xFF) return 0;
        _mm_storeu_si128((__m128i *)out, _mm_unpacklo_epi8(head, zero));
        _mm_storeu_si128((__m128i *)(out + length - 8), _mm_unpacklo_epi8(tail, zero));
        return length;
    }
    int k = 0;
    for (;; k += 16) {
        int at = k + 16 <= length ? k : length - 16;
        __m128i b = _mm_loadu_si128((const __m128i *)(text + at));
        if (stop_mask(b)) return k;
        _mm_storeu_si128((__m128i *)(out + at), _mm_unpacklo_epi8(b, zero));
        _mm_storeu_si128((__m128i *)(out + at + 8), _mm_unpackhi_epi8(b, zero));
        if (at + 16 == length) return length;
    }
}
const bool has_sse2 = IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE);

// Copies text's leading plain ASCII (at most length bytes, up to a NUL or a byte above 0x7F) to
// out; returns how many bytes that was. What the wide steps leave goes four bytes, then one a step.
int widen_ascii(const char *text, int length, wchar_t *out)
{
    int k = length >= 8 && has_sse2 ? widen_ascii_sse2(text, length, out) : 0;
    if (k == length) return k;
    for (; k + 4 <= length; k += 4) {
        uint32_t w;
        memcpy(&w, text + k, 4);
        if ((w & 0x80808080u) || ((w - 0x01010101u) & ~w & 0x80808080u)) break;
        uint32_t low = (w & 0xFFu) | (w & 0xFF00u) << 8, high = (w >> 16 & 0xFFu) | (w >> 24) << 16;
        memcpy(out + k, &low, 4);
        memcpy(out + k + 2, &high, 4);
    }
    for (; k < length; k++) {
        unsigned char c = (unsigned char)text[k];
        if (!c || c >= 0x80) break;
        out[k] = c;
    }
    return k;
}
} // namespace

int widen(const char *text, int length, wchar_t *buf, int n, bool *exact)
{
    int k = widen_ascii(text, length, buf), written = k;
    if (k == length && n == length + 1) {
        // Plain ASCII into room for it and its terminator, as an argument's copy is made.
        buf[k] = 0;
        if (exact) *exact = true;
        return k;
    }
    bool lossless = true;
    if (k < length && text[k]) {
        // UTF-8 never needs more units than bytes, so the rest fits in the room left.
        int w = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text + k, -1, buf + k, n - k);
        if (w <= 0) {
            lossless = false;
            w = MultiByteToWideChar(CP_UTF8, 0, text + k, -1, buf + k, n - k);
        }
        if (w > 0) written = k + w - 1;
    }
    if (written < n) buf[written] = 0;
    if (n - written > 1) memset(buf + written + 1, 0, sizeof(wchar_t) * (size_t)(n - written - 1));
    if (exact) *exact = lossless;
    return written;
}

void widen_into(LiValue v, wchar_t *buf, int units) { widen(li_SVal(v), li_Length(v), buf, units); }

wchar_t *make_wide_copy(LiValue v, int *length)
{
    if (!li_StringP(v)) return nullptr;
    int n = wide_room(v);
    wchar_t *copy = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)n);
    if (!copy) return nullptr;
    int written = widen(li_SVal(v), n - 1, copy, n);
    if (length) *length = written;
    return copy;
}

wchar_t *widen_list(const char *text, int bytes)
{
    int units = bytes > 0 ? MultiByteToWideChar(CP_UTF8, 0, text, bytes, nullptr, 0) : 0;
    wchar_t *list = (wchar_t *)calloc((size_t)units + 2, sizeof(wchar_t));
    if (list && units) MultiByteToWideChar(CP_UTF8, 0, text, bytes, list, units);
    return list;
}

size_t units_that_fit(const wchar_t *text, size_t length, size_t room)
{
    if (length < room) return length;
    size_t n = room ? room - 1 : 0;
    if (n > 0 && IS_HIGH_SURROGATE(text[n - 1])) n--; // never leave half a pair
    return n;
}

void narrow_into(LiValue s, const wchar_t *text)
{
    int length = li_Length(s);
    if (length <= 0) return;
    char *out = li_SVal(s);
    int k = 0;
    for (; k < length && text[k] && text[k] < 0x80; k++) out[k] = (char)text[k];
    if (k == length) return;
    if (!text[k]) {
        out[k] = 0;
        return;
    }
    // Whole characters only: the longest prefix whose UTF-8 form fits.
    int units = lstrlenW(text), taken = k, bytes = k;
    while (taken < units) {
        int step = IS_HIGH_SURROGATE(text[taken]) && taken + 1 < units ? 2 : 1;
        int need = WideCharToMultiByte(CP_UTF8, 0, text + taken, step, nullptr, 0, nullptr, nullptr);
        if (bytes + need > length) break;
        bytes += need;
        taken += step;
    }
    if (taken > k) WideCharToMultiByte(CP_UTF8, 0, text + k, taken - k, out + k, bytes - k, nullptr, nullptr);
    if (bytes < length) out[bytes] = 0;
}

// Converted straight into the new string: no intermediate block outlives an interpreter error.
LiValue wide_text_result(const wchar_t *text, int units)
{
    if (!text) return Nil;
    int ascii = ascii_length(text, units);
    if (ascii >= 0) {
        LiValue s = li_CreateStringN(nullptr, ascii);
        char *out = li_SVal(s);
        for (int i = 0; i < ascii; i++) out[i] = (char)text[i];
        return s;
    }
    int n = 0;
    while ((units < 0 || n < units) && text[n]) n++;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, n, nullptr, 0, nullptr, nullptr);
    LiValue s = li_CreateStringN(nullptr, bytes > 0 ? bytes : 0);
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, n, li_SVal(s), bytes, nullptr, nullptr);
    return s;
}

namespace {
// The area and its state in one block, found from the thread's slot when claimed and from the
// text's address when released.
struct ScratchArea {
    void *holder; // the level of the call that holds it, or null
    size_t units;
    wchar_t text[1];
};
const DWORD scratch_slot = TlsAlloc();
} // namespace

wchar_t *claim_scratch(size_t units, void *level)
{
    if (scratch_slot == TLS_OUT_OF_INDEXES) return nullptr;
    auto *a = (ScratchArea *)TlsGetValue(scratch_slot);
    if (a && a->holder && (uintptr_t)a->holder < (uintptr_t)level) return nullptr;
    if (!a || units > a->units) {
        size_t grown = a && a->units * 2 > units ? a->units * 2 : units < 256 ? 256 : units;
        auto *b = (ScratchArea *)malloc(offsetof(ScratchArea, text) + sizeof(wchar_t) * grown);
        if (!b) return nullptr;
        free(a);
        a = b;
        a->units = grown;
        TlsSetValue(scratch_slot, a);
    }
    a->holder = level;
    return a->text;
}

void release_scratch(const wchar_t *area)
{
    auto *a = (ScratchArea *)((const char *)area - offsetof(ScratchArea, text));
    a->holder = nullptr;
}

// In the body, not the initialiser list: length_'s own initialiser would run after text_'s.
WideText::WideText(LiValue v)
{
    text_ = make_wide_copy(v, &length_);
    if (!text_) failed_ = li_StringP(v);
}

WideText::~WideText() { free(text_); }

} // namespace savrawin
