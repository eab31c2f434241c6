// Executable thunks: 16-byte pieces of code made at run time that bind a piece of data to a
// procedure, so the platform (or the interpreter) can call a plain function pointer and the
// procedure still finds its object. One allocator, three shapes:
//   bind_thunk           a procedure whose first stack argument is replaced by the object
//                        (a window procedure that receives its object in place of the handle)
//   bind_entry_thunk     a parameterless native entry that calls entry(data)
//   bind_register_thunk  code that jumps to a stub with the data in eax (a callback whose
//                        arguments the stub reads from the caller's stack as they are)
#pragma once

#include <windows.h>

namespace savrawin {

// A thunk back to the allocator; null is allowed.
void free_thunk(BYTE *thunk);
// Points thunk (allocated on first use) at proc with object in place of the first argument; false
// when no executable memory is left.
bool bind_thunk(BYTE *&thunk, void *object, void *proc);
// The same for a native entry that takes its data as its one (cdecl) argument.
bool bind_entry_thunk(BYTE *&thunk, void *data, void *entry);
// The same for a stub that expects the data in eax and the caller's frame untouched.
bool bind_register_thunk(BYTE *&thunk, void *data, void *stub);

} // namespace savrawin
