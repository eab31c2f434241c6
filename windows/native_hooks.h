// What a class's native type gives its class (windows/classes.h): the hooks the class is made with
// and its Type function. Window objects get theirs from their row (class_table.cpp); every other
// native type specialises NativeHooks beside its own declaration.
#pragma once

#include "savra.h"

namespace savrawin {

struct ClassHooks {
    LiConstructorHook construct; // a new native object when the interpreter gives none
    LiDestructorHook destruct;   // the destructor li_MakeClass takes (only CMenu has one)
    LiInstanceHook destroy;      // installed in the class record as soon as the class is made
    LiEntry type;                // the NAMEType function, or null where a creator makes instances
};

template <class T> struct NativeHooks;

} // namespace savrawin
