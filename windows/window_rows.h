// Method rows on window classes: the rows of binding/method_rows.h whose receiver is the window's
// handle (an instance is required).
#pragma once

#include "../binding/method_rows.h"
#include "window_base.h"

namespace savrawin {

template <> inline HWND msg::receiver<HWND>() { return window_arg(ArgBase[0])->m_hWnd; }

} // namespace savrawin
