/* libhalden: the small container and memory library extension modules share with the interpreter. */
#include <stdlib.h>
#include <string.h>

#define LIBHALDEN_BUILD
#include "halden.h"

UT_Array *UT_ArrayCreate(int initialCapacity, int flags)
{
    UT_Array *a = (UT_Array *)calloc(1, sizeof *a);
    if (!a) return NULL;
    if (initialCapacity < 4) initialCapacity = 4;
    a->items = (void **)malloc(sizeof(void *) * (size_t)initialCapacity);
    if (!a->items) { free(a); return NULL; }
    a->capacity = initialCapacity;
    a->flags = flags;
    return a;
}

int UT_ArrayAdd(UT_Array *a, int index, void *item)
{
    if (!a || index < 0 || index > a->count) return -1;
    if (a->count == a->capacity) {
        int cap = a->capacity * 2;
        void **items = (void **)realloc(a->items, sizeof(void *) * (size_t)cap);
        if (!items) return -1;
        a->items = items;
        a->capacity = cap;
    }
    memmove(a->items + index + 1, a->items + index, sizeof(void *) * (size_t)(a->count - index));
    a->items[index] = item;
    a->count++;
    return index;
}

int UT_ArraySearch(const UT_Array *a, const void *key, UT_Compare compare, int *found)
{
    int lo = 0, hi = a ? a->count : 0;
    if (found) *found = 0;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        int c = compare(a->items[mid], key);
        if (c == 0) {
            if (found) *found = 1;
            return mid;
        }
        if (c < 0) lo = mid + 1; else hi = mid;
    }
    return lo;
}

void *UT_ArrayRemove(UT_Array *a, int index)
{
    void *item;
    if (!a || index < 0 || index >= a->count) return NULL;
    item = a->items[index];
    memmove(a->items + index, a->items + index + 1, sizeof(void *) * (size_t)(a->count - index - 1));
    a->count--;
    return item;
}

void UT_ArrayDestroy(UT_Array *a, UT_ElementDestructor destroyElement)
{
    int i;
    if (!a) return;
    if (destroyElement)
        for (i = 0; i < a->count; i++) destroyElement(a->items[i]);
    free(a->items);
    free(a);
}

void *ME_Realloc(void *p, size_t n) { return realloc(p, n); }
void ME_Free(void *p) { free(p); }
