// Messages for error codes, the user's and the computer's names, the environment as a list, and
// waits on several handles at once.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "beyond.h"

#define A(i) ArgBase[i]

namespace savrawin {

// Names come back in a buffer of the module's, converted before the next call can need it. A
// user name is at most 256 characters; a computer name is a DNS name of at most 255.
LPWSTR WINAPI user_name()
{
    static wchar_t name[257];
    DWORD units = 257;
    return GetUserNameW(name, &units) ? name : nullptr;
}
SAVRA_STANDS_FOR(user_name, GetUserNameW);

LPWSTR WINAPI computer_name()
{
    static wchar_t name[256];
    DWORD units = 256;
    return GetComputerNameW(name, &units) ? name : nullptr;
}
SAVRA_STANDS_FOR(computer_name, GetComputerNameW);

// The due time in 100-nanosecond units, negative for a time from now: a number, since it needs
// more than 32 bits (a real holds such whole numbers exactly). No completion routine: the
// platform would call it only in an alertable wait, which scripts have no way to enter.
BOOL WINAPI set_waitable_timer(HANDLE hTimer, double lpDueTime, LONG lPeriod)
{
    LARGE_INTEGER due;
    due.QuadPart = (LONGLONG)lpDueTime;
    return SetWaitableTimer(hTimer, &due, lPeriod, nullptr, nullptr, FALSE);
}
SAVRA_STANDS_FOR(set_waitable_timer, SetWaitableTimer);

// (FormatMessage dwFlags lpSource dwMessageId dwLanguageId): the message's text, or nil. The
// source is a message string with FORMAT_MESSAGE_FROM_STRING, else a module handle or nil.
// Inserts stay as written: there is no argument list to take them from.
LiValue FormatMessage_entry()
{
    DWORD flags = (DWORD)integer_arg(A(0));
    bool from_string = flags & FORMAT_MESSAGE_FROM_STRING;
    if (from_string && !li_StringP(A(1))) li_TypeError(A(1), LI_TYPE_STRING);
    const void *source = from_string || li_Tag(A(1)) == LI_NIL ? nullptr : (const void *)(uintptr_t)(uint32_t)integer_arg(A(1));
    DWORD id = (DWORD)integer_arg(A(2)), language = (DWORD)integer_arg(A(3));
    wchar_t *copy = from_string ? make_wide_copy(A(1)) : nullptr;
    if (from_string && !copy) li_Error("out of memory");
    flags = (flags | FORMAT_MESSAGE_IGNORE_INSERTS) & ~(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_ARGUMENT_ARRAY);
    // the platform's own limit on a message is 64 KB
    static wchar_t text[32768];
    DWORD n = FormatMessageW(flags, from_string ? copy : source, id, language, text, 32768, nullptr);
    free(copy);
    return n ? wide_text_result(text) : Nil;
}

// (GetEnvironmentList): the environment as a list of "NAME=value" strings, in the block's order.
LiValue GetEnvironmentList_entry()
{
    // The block is copied into a script string first, so no platform memory is held while the
    // list is made (which may raise when memory runs out).
    LPWCH block = GetEnvironmentStringsW();
    if (!block) return Nil;
    size_t units = 0;
    while (block[units]) units += wcslen(block + units) + 1;
    FreeEnvironmentStringsW(block);
    ProtectedSlot text(li_CreateStringN(nullptr, (int)((units + 1) * sizeof(wchar_t))));
    wchar_t *copy = (wchar_t *)li_SVal(text);
    block = GetEnvironmentStringsW();
    if (block) {
        size_t n = 0;
        while (n < units && block[n]) n += wcslen(block + n) + 1;
        memcpy(copy, block, sizeof(wchar_t) * (n < units ? n : units)); // the string's zeros end it
        FreeEnvironmentStringsW(block);
    }
    ListBuilder list;
    for (const wchar_t *p = copy; *p; p += wcslen(p) + 1) list.add(wide_text_result(p));
    return list.list();
}

namespace {
// The first count handles of the list in slot 1 (count in slot 0), checked against the list and
// the platform's most. Returns count.
DWORD handles_arg(HANDLE *handles, DWORD most)
{
    int32_t count = integer_arg(A(0));
    LiValue list = A(1);
    if (li_Tag(list) != LI_NIL && li_Tag(list) != LI_CONS) li_TypeError(list, LI_TYPE_LIST);
    int32_t length = 0;
    for (LiValue l = list; li_Tag(l) == LI_CONS; l = li_PairTail(l)) {
        if (length < (int32_t)most) handles[length] = handle_arg<HANDLE>(li_PairHead(l));
        length++;
    }
    if (count < 0 || count > length || count > (int32_t)most) {
        char what[96];
        snprintf(what, sizeof what, "a count from 0 to %ld (the handles in argument 2, at most %lu)",
                 (long)(length < (int32_t)most ? length : (int32_t)most), (unsigned long)most);
        li_ArgumentError(0, what);
    }
    return (DWORD)count;
}
} // namespace

// (WaitForMultipleObjects nCount lpHandles bWaitAll dwMilliseconds): lpHandles a list of handles.
LiValue WaitForMultipleObjects_entry()
{
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    DWORD count = handles_arg(handles, MAXIMUM_WAIT_OBJECTS);
    BOOL all = integer_arg(A(2));
    DWORD ms = (DWORD)integer_arg(A(3));
    return li_CreateLong((int32_t)WaitForMultipleObjects(count, handles, all, ms));
}

// (MsgWaitForMultipleObjects nCount pHandles fWaitAll dwMilliseconds dwWakeMask).
LiValue MsgWaitForMultipleObjects_entry()
{
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    DWORD count = handles_arg(handles, MAXIMUM_WAIT_OBJECTS - 1);
    BOOL all = integer_arg(A(2));
    DWORD ms = (DWORD)integer_arg(A(3)), mask = (DWORD)integer_arg(A(4));
    return li_CreateLong((int32_t)MsgWaitForMultipleObjects(count, handles, all, ms, mask));
}

} // namespace savrawin
