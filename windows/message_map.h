// The message map every window object shares: resize layout, background and control colours
// from the colours set in script, then the script's command, notify and message handlers.
#pragma once

#include <windows.h>

namespace savrawin {

class WindowObject;

// True when the message was handled; result is then the window procedure's answer.
bool route_message(WindowObject *o, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result);

} // namespace savrawin
