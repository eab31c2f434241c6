// Files read and written through script byte strings, and global memory blocks filled and read
// by copies that never leave the block.
#include <stdio.h>
#include <string.h>

#include "beyond.h"

#define A(i) ArgBase[i]

namespace savrawin {

// Synchronous only: an overlapped request would let the platform write into a string after the
// call returned, when the collector may already have freed it.
Outcome WINAPI read_file(HANDLE hFile, NarrowBuffer lpBuffer, DWORD nNumberOfBytesToRead)
{
    DWORD read = 0;
    if (!ReadFile(hFile, lpBuffer.text, nNumberOfBytesToRead, &read, nullptr)) return {false, 0};
    return success((int32_t)read);
}
SAVRA_STANDS_FOR(read_file, ReadFile);

Outcome WINAPI write_file(HANDLE hFile, NarrowBuffer lpBuffer, DWORD nNumberOfBytesToWrite)
{
    DWORD written = 0;
    if (!WriteFile(hFile, lpBuffer.text, nNumberOfBytesToWrite, &written, nullptr)) return {false, 0};
    return success((int32_t)written);
}
SAVRA_STANDS_FOR(write_file, WriteFile);

namespace {
// The block of slot 0 and the range slot 1 (offset) and count name in it, checked against the
// block's size before anything is copied. The error names the slot out of range.
HGLOBAL checked_range(int32_t offset, int32_t count, int count_slot)
{
    HGLOBAL block = handle_arg<HGLOBAL>(A(0));
    SIZE_T size = GlobalSize(block);
    if (offset < 0 || (SIZE_T)offset > size) {
        char what[96];
        snprintf(what, sizeof what, "an offset from 0 to %lu (the block's size)", (unsigned long)size);
        li_ArgumentError(1, what);
    }
    if (count < 0 || (SIZE_T)count > size - (SIZE_T)offset) {
        char what[96];
        snprintf(what, sizeof what, "a count from 0 to %lu (the block's bytes past the offset)", (unsigned long)(size - offset));
        li_ArgumentError(count_slot, what);
    }
    return block;
}
} // namespace

// (GlobalReadBytes hMem dwOffset dwBytes): a new byte string, or nil when the block will not lock.
LiValue GlobalReadBytes_entry()
{
    int32_t offset = integer_arg(A(1)), count = integer_arg(A(2));
    HGLOBAL block = checked_range(offset, count, 2);
    LiValue bytes = li_CreateStringN(nullptr, count);
    BYTE *data = (BYTE *)GlobalLock(block);
    if (!data) return Nil;
    memcpy(li_SVal(bytes), data + offset, (size_t)count);
    GlobalUnlock(block);
    return bytes;
}

// (GlobalWriteBytes hMem dwOffset lpSource): copies the string's bytes in; their count, or nil
// when the block will not lock.
LiValue GlobalWriteBytes_entry()
{
    int32_t offset = integer_arg(A(1));
    LiValue source = A(2);
    if (!li_BufferP(source)) li_TypeError(source, LI_TYPE_STRING);
    int32_t count = li_Length(source);
    HGLOBAL block = checked_range(offset, count, 2);
    BYTE *data = (BYTE *)GlobalLock(block);
    if (!data) return Nil;
    memcpy(data + offset, li_SVal(source), (size_t)count);
    GlobalUnlock(block);
    return li_CreateLong(count);
}

} // namespace savrawin
