// Method rows on the window layer's classes (binding/method_rows.h): the receivers their functions
// take first. A window handle, the window base, or the window object serve every window class; a
// class with a native object of its own (a dialog, a menu, a hyperlink) takes that object, checked
// against the class the object belongs to.
#pragma once

#include <type_traits>

#include "../binding/method_rows.h"
#include "classes.h"
#include "window_object.h"

namespace savrawin {

template <> struct msg::Receiver<SWindowBase *> {
    static SWindowBase *get() { return window_arg(ArgBase[0]); }
};
template <> struct msg::Receiver<HWND> {
    static HWND get() { return window_arg(ArgBase[0])->m_hWnd; }
};
template <> struct msg::Receiver<WindowObject *> {
    static WindowObject *get() { return WindowObject::of(window_arg(ArgBase[0])); }
};

// The receiver must be an instance of the object's class or one derived from it: a window object
// is reached through its window base, any other object is the instance's data.
template <class T> struct msg::Receiver<T *, std::void_t<decltype(NativeClass<T>::cls)>> {
    static T *get()
    {
        LiValue v = ArgBase[0], cls = *NativeClass<T>::cls;
        if constexpr (std::is_base_of_v<WindowObject, T>) {
            if (!li_IsDerived(v, cls)) li_InstError(v, cls);
            return static_cast<T *>(WindowObject::of(window_arg(v)));
        } else {
            if (!li_IsDerived(v, cls) || !li_InstanceData(v)) li_InstError(v, cls);
            return (T *)li_InstanceData(v);
        }
    }
};

} // namespace savrawin
