// Constructor hooks of the classes whose instances stand for native objects: the class table
// names them, the window layer and the argument unions implement them.
#pragma once

#include "savra.h"

namespace savrawin {

// A window, control or dialog class: a new native object when the interpreter gives none.
LiValue construct_window_for(const LiValue *cls, LiValue inst, void *data, int owned, LiValue args);
template <const LiValue *Cls> LiValue construct_window(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_window_for(Cls, inst, data, owned, args);
}

LiValue construct_SWindowBase(LiValue inst, void *data, int owned, LiValue args);
// Instance-destructor hooks: the window base's own block; a window object (its window first).
void destroy_SWindowBase(LiValue inst);
void destroy_window_instance(LiValue inst);
LiValue construct_CMenu(LiValue inst, void *data, int owned, LiValue args);
void destruct_CMenu(LiValue inst);
LiValue construct_CMenuItemInfo(LiValue inst, void *data, int owned, LiValue args);

} // namespace savrawin
