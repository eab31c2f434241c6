// Memory that lives as long as the process: symbols' names and records, and what modules register
// (native records, their variants and parameter names, class records). It is carved from large
// blocks and never freed, so a module that registers thousands of names makes a handful of heap
// allocations instead of several per name: under emulation a heap call costs as much as the rest
// of a registration.
#include "internal.h"

#include <stdlib.h>

namespace {
const size_t BLOCK = 64 * 1024;
char *next = nullptr;
size_t left = 0;
} // namespace

void *permanent_alloc(size_t n)
{
    n = (n + 7) & ~(size_t)7;
    if (n > BLOCK / 4) { // a large request has a block of its own; the current one stays in use
        void *p = calloc(1, n);
        if (!p) abort();
        return p;
    }
    if (n > left) {
        next = (char *)calloc(1, BLOCK);
        if (!next) abort();
        left = BLOCK;
    }
    void *p = next;
    next += n;
    left -= n;
    return p;
}

char *permanent_string(const char *s, size_t n)
{
    char *copy = (char *)permanent_alloc(n + 1);
    memcpy(copy, s, n);
    return copy;
}

void *li_PermanentAlloc(size_t n) { return permanent_alloc(n); }
