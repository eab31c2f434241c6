/* halden.h - libhalden: growable sorted arrays and memory release. */
#ifndef HALDEN_H
#define HALDEN_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef LIBHALDEN_BUILD
#define HD_API __declspec(dllexport)
#else
#define HD_API __declspec(dllimport)
#endif

/* An array of pointers. The first two words are public: the count, then the items. */
typedef struct UT_Array {
    int count;
    void **items;
    int capacity;
    int flags;
} UT_Array;

typedef int (*UT_Compare)(const void *a, const void *b);   /* -1, 0 or 1 */
typedef void (*UT_ElementDestructor)(void *item);

HD_API UT_Array *UT_ArrayCreate(int initialCapacity, int flags);
/* Inserts item at index (0..count); returns the index or -1 when out of range. */
HD_API int UT_ArrayAdd(UT_Array *a, int index, void *item);
/* Binary search of a sorted array: returns the index of an element equal to key and sets *found,
 * or the index where key would be inserted with *found = 0. found may be NULL. */
HD_API int UT_ArraySearch(const UT_Array *a, const void *key, UT_Compare compare, int *found);
/* Removes and returns the item at index, or NULL when out of range. */
HD_API void *UT_ArrayRemove(UT_Array *a, int index);
/* Calls destroyElement (if any) on every item, then frees the array. */
HD_API void UT_ArrayDestroy(UT_Array *a, UT_ElementDestructor destroyElement);

HD_API void *ME_Realloc(void *p, size_t n);
HD_API void ME_Free(void *p);

#ifdef __cplusplus
}
#endif
#endif
