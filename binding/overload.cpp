#include "overload.h"

#include <string.h>

namespace savrawin {

namespace {
bool passes(char test, LiValue v)
{
    switch (test) {
    case 'I': return li_LongP(v) != 0;
    case 'S': return li_Tag(v) == LI_NIL || li_StringP(v);
    default: return true;
    }
}

bool fits(const Candidate &c, LiValue list, int n)
{
    if (c.n != n) return false;
    LiValue p = list;
    for (int i = 0; c.tests[i] && li_Tag(p) == LI_CONS; i++, p = li_PairTail(p))
        if (!passes(c.tests[i], li_PairHead(p))) return false;
    return true;
}
} // namespace

LiValue dispatch(const Overload &o, LiValue list)
{
    int n = li_Length(list);
    for (int i = 0; i < o.count; i++)
        if (fits(o.candidates[i], list, n)) return li_CallCLVFunction(o.candidates[i].entry, list);
    li_Error(o.failure);
    return Nil;
}

// Measured, then written into memory that is never freed: the text is made once per dispatcher at
// start-up, where a heap call per piece would cost more than the rest of the registration.
const char *forms_text(const Overload &o)
{
    auto each = [&](auto put) {
        for (int i = 0; i < o.count; i++) {
            const Candidate &c = o.candidates[i];
            bool first = true;
            for (int p = 0; c.names && p < c.n; p++) {
                if (!c.names[p]) continue;
                if (!first) put(" ", 1);
                put(c.names[p], strlen(c.names[p]));
                first = false;
            }
            put("\n", 1);
        }
    };
    size_t length = 0;
    each([&](const char *, size_t n) { length += n; });
    char *text = (char *)li_PermanentAlloc(length + 1), *at = text;
    each([&](const char *piece, size_t n) { at = (char *)memcpy(at, piece, n) + n; });
    return text;
}

} // namespace savrawin
