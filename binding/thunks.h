// Executable thunks: 16-byte pieces of code made at run time that bind a piece of data to a
// procedure, so the platform (or the interpreter) can call a plain function pointer and the
// procedure still finds its object. One allocator, two shapes:
//   bind_thunk           a procedure whose first stack argument is replaced by the object
//                        (a window procedure that receives its object in place of the handle)
//   bind_register_thunk  code that jumps to a procedure with the data in eax and the caller's
//                        stack untouched: a native entry declared regparm(1), or a stub that
//                        reads a callback's arguments from the caller's stack as they are
#pragma once

#include <windows.h>

namespace savrawin {

// A thunk back to the allocator; null is allowed.
void free_thunk(BYTE *thunk);
// Points thunk (allocated on first use) at proc with object in place of the first argument; false
// when no executable memory is left.
bool bind_thunk(BYTE *&thunk, void *object, void *proc);
// The same for a procedure that expects the data in eax and the caller's frame untouched.
bool bind_register_thunk(BYTE *&thunk, void *data, void *procedure);

} // namespace savrawin
