#include "overload.h"

#include <string.h>

#include <string>

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

// The text lives as long as the process, in memory that is never freed.
const char *forms_text(const Overload &o)
{
    std::string text;
    for (int i = 0; i < o.count; i++) {
        const Candidate &c = o.candidates[i];
        bool first = true;
        for (int p = 0; c.names && p < c.n; p++) {
            if (!c.names[p]) continue;
            if (!first) text += ' ';
            text += c.names[p];
            first = false;
        }
        text += '\n';
    }
    return (const char *)memcpy(li_PermanentAlloc(text.size() + 1), text.c_str(), text.size() + 1);
}

} // namespace savrawin
