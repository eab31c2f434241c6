// The global functions whose platform shapes the wrapper template cannot express: an integer
// out-parameter, a callback, a structure inside a structure, an integer resource name, a result
// that is an array.
#include <windows.h>

#include "../../binding/convert.h"
#include "../../binding/protected_eval.h"
#include "../../binding/wrap.h"
#include "../../structs/model.h"
#include "savra.h"

#define A(i) ArgBase[i]

namespace savrawin {

namespace {

LiValue send_input(DWORD type, LiValue cls, size_t bytes)
{
    LiValue v = A(0);
    if (li_Tag(v) != LI_INSTANCE || !li_IsDerived(v, cls)) li_InstError(v, cls);
    INPUT in = {};
    in.type = type;
    memcpy(&in.ki, li_InstanceData(v), bytes); // the union of the record starts at offset 4
    return li_CreateLong((int32_t)SendInput(1, &in, sizeof in));
}

LiValue SendKbdInput_entry() { return send_input(INPUT_KEYBOARD, made_class(cls_KEYBDINPUT), 16); }
LiValue SendMouseInput_entry() { return send_input(INPUT_MOUSE, made_class(cls_MOUSEINPUT), 24); }

BOOL CALLBACK collect_window(HWND hwnd, LPARAM array)
{
    LiValue a = (LiValue)array;
    ProtectedSlot handle(li_CreateLong((int32_t)(uintptr_t)hwnd));
    li_Aset(a, li_Length(a), handle);
    return TRUE;
}

LiValue EnumWindows_entry()
{
    ProtectedSlot a(li_MakeArray(0));
    EnumWindows(collect_window, (LPARAM)a.get());
    return a;
}

LiValue GetExitCodeProcess_entry()
{
    HANDLE h = handle_arg<HANDLE>(A(0));
    DWORD code = 0;
    if (!GetExitCodeProcess(h, &code)) return Nil;
    return li_CreateLong((int32_t)code);
}

LiValue GetWindowText_entry()
{
    HWND hwnd = handle_arg<HWND>(A(0));
    wchar_t text[512];
    text[0] = 0;
    GetWindowTextW(hwnd, text, 512);
    return wide_text_result(text);
}

LiValue FindPixelInArea_entry()
{
    int32_t v[12];
    for (int i = 0; i < 12; i++) v[i] = integer_arg(A(i));
    HDC hdc = (HDC)(uintptr_t)(uint32_t)v[0];
    int32_t xmin = v[1], xsize = v[2], ymin = v[3], ysize = v[4];
    int32_t rmin = v[5], rmax = v[6], gmin = v[7], gmax = v[8], bmin = v[9], bmax = v[10], maxresult = v[11];
    // One block copy of the area; every pixel is then read from the snapshot.
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = CreateCompatibleBitmap(hdc, xsize, ysize);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, xsize, ysize, hdc, xmin, ymin, SRCCOPY);
    ProtectedSlot found;
    int32_t count = 0;
    for (int32_t x = 0; x < xsize; x++) {
        for (int32_t y = 0; y < ysize; y++) {
            COLORREF c = GetPixel(mem, x, y);
            int32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
            if (r < rmin || r > rmax || g < gmin || g > gmax || b < bmin || b > bmax) continue;
            if (li_Tag(found) == LI_NIL) found = li_CreateArray(8);
            ProtectedSlot m(li_CreateArray(3));
            li_Aset(m, 0, li_CreateLong(x + xmin));
            li_Aset(m, 1, li_CreateLong(y + ymin));
            li_Aset(m, 2, li_CreateLong((int32_t)c));
            li_Aset(found, count, m);
            count++;
            if (maxresult > 0 && count >= maxresult) goto done;
        }
    }
done:
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    return found;
}

LiValue LoadImageID_entry()
{
    int32_t v[6];
    for (int i = 0; i < 6; i++) v[i] = integer_arg(A(i));
    uint32_t instance = (uint32_t)v[0];
    if (!instance) instance = (uint32_t)li_LVal(li_SymbolValue(li_SymbolFind("_hInstance_")));
    HANDLE h = LoadImageW((HINSTANCE)(uintptr_t)instance, MAKEINTRESOURCEW(v[1] & 0xFFFF), (UINT)v[2], v[3], v[4], (UINT)v[5]);
    return li_CreateLong((int32_t)(uintptr_t)h);
}

} // namespace

const LaterRow handwritten_rows[] = {
    SAVRA_LATER("SendKbdInput", li_CLFunction(name, SendKbdInput_entry, 1, "KEYBDINPUT", 0)),
    SAVRA_LATER("SendMouseInput", li_CLFunction(name, SendMouseInput_entry, 1, "MOUSEINPUT", 0)),
    SAVRA_LATER("EnumWindows", li_CLFunction(name, EnumWindows_entry, 0)),
    SAVRA_LATER("GetExitCodeProcess", li_CLFunction(name, GetExitCodeProcess_entry, 1, "handle", 0)),
    SAVRA_LATER("GetWindowText", li_CLFunction(name, GetWindowText_entry, 1, "hwnd", 0)),
    SAVRA_LATER("FindPixelInArea",
                li_CLFunction(name, FindPixelInArea_entry, 12, "hDC", 0, "xmin", 0, "xsize", 0, "ymin", 0, "ysize", 0,
                              "redmin", 0, "redmax", 0, "greenmin", 0, "greenmax", 0, "bluemin", 0, "bluemax", 0,
                              "maxresult", 0)),
    SAVRA_LATER("LoadImageID", li_CLFunction(name, LoadImageID_entry, 6, "hInstance", 0, "id", 0, "uType", 0,
                                             "cxDesired", 0, "cyDesired", 0, "fuLoad", 0)),
};

void register_handwritten_functions() { register_later(handwritten_rows); }

// The user family's MessageBox, registered again last under its final parameter names.
const LaterRow final_message_box[] = {
    SAVRA_LATER("MessageBox", li_CLFunction(name, &Wrapper<&MessageBoxW>::entry, 4, "hWnd", 0, "text", 0, "caption", 0,
                                            "type", 0)),
};
void register_final_message_box() { register_later(final_message_box); }

} // namespace savrawin
