// Executable thunks: a window procedure that receives its object in place of the window handle.
#include "window_object.h"

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

// mov dword [esp+4], object ; jmp proc
void init_thunk(BYTE *t, void *object, void *proc)
{
    t[0] = 0xC7;
    t[1] = 0x44;
    t[2] = 0x24;
    t[3] = 0x04;
    uint32_t o = (uint32_t)(uintptr_t)object;
    memcpy(t + 4, &o, 4);
    t[8] = 0xE9;
    int32_t rel = (int32_t)((uintptr_t)proc - ((uintptr_t)t + 13));
    memcpy(t + 9, &rel, 4);
    FlushInstructionCache(GetCurrentProcess(), t, 13);
}

bool bind_thunk(BYTE *&thunk, void *object, void *proc)
{
    if (!thunk) thunk = allocate_thunk();
    if (!thunk) return false;
    init_thunk(thunk, object, proc);
    return true;
}

} // namespace savrawin
