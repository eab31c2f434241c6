// Executable thunks (thunks.h): the allocator and the two shapes of code.
#include "thunks.h"

#include <stdint.h>
#include <string.h>

namespace savrawin {

namespace {

// 16-byte blocks of executable pages, shared through an interlocked list.
SLIST_HEADER free_thunks;
struct ThunkListInit {
    ThunkListInit() { InitializeSListHead(&free_thunks); }
} thunk_list_init;

BYTE *allocate_thunk()
{
    if (PSLIST_ENTRY e = InterlockedPopEntrySList(&free_thunks)) return (BYTE *)e;
    BYTE *page = (BYTE *)VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (!page) return nullptr;
    if (PSLIST_ENTRY e = InterlockedPopEntrySList(&free_thunks)) { // refilled meanwhile
        VirtualFree(page, 0, MEM_RELEASE);
        return (BYTE *)e;
    }
    for (int i = 0; i < 255; i++) InterlockedPushEntrySList(&free_thunks, (PSLIST_ENTRY)(page + 16 * i));
    return page + 16 * 255;
}
} // namespace

void free_thunk(BYTE *t)
{
    if (t) InterlockedPushEntrySList(&free_thunks, (PSLIST_ENTRY)t);
}

namespace {
void put_word(BYTE *at, uint32_t w) { memcpy(at, &w, 4); }
// The displacement of a jump or call whose 4-byte operand ends at end.
void put_relative(BYTE *at, const BYTE *end, void *target) { put_word(at, (uint32_t)((uintptr_t)target - (uintptr_t)end)); }

template <class Write> bool bind(BYTE *&thunk, Write write)
{
    if (!thunk) thunk = allocate_thunk();
    if (!thunk) return false;
    int length = write(thunk);
    FlushInstructionCache(GetCurrentProcess(), thunk, (SIZE_T)length);
    return true;
}
} // namespace

// mov dword [esp+4], object ; jmp proc
bool bind_thunk(BYTE *&thunk, void *object, void *proc)
{
    return bind(thunk, [&](BYTE *t) {
        static const BYTE code[] = {0xC7, 0x44, 0x24, 0x04};
        memcpy(t, code, sizeof code);
        put_word(t + 4, (uint32_t)(uintptr_t)object);
        t[8] = 0xE9;
        put_relative(t + 9, t + 13, proc);
        return 13;
    });
}

// mov eax, data ; jmp procedure
bool bind_register_thunk(BYTE *&thunk, void *data, void *procedure)
{
    return bind(thunk, [&](BYTE *t) {
        t[0] = 0xB8;
        put_word(t + 1, (uint32_t)(uintptr_t)data);
        t[5] = 0xE9;
        put_relative(t + 6, t + 10, procedure);
        return 10;
    });
}

} // namespace savrawin
