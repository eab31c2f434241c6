// gdi32: device contexts, bitmaps and pixels.
#include "../../module/wrap.h"

namespace savrawin {

static const FunctionRow rows[] = {
    SAVRA_FN("GetDC", GetDC, "hWnd"),
    SAVRA_FN("ReleaseDC", ReleaseDC, "hWnd", "hDC"),
    SAVRA_FN("CreateCompatibleDC", CreateCompatibleDC, "hdc"),
    SAVRA_FN("CreateCompatibleBitmap", CreateCompatibleBitmap, "hdc", "cx", "cy"),
    SAVRA_FN("SelectObject", SelectObject, "hdc", "h"),
    SAVRA_FN("DeleteDC", DeleteDC, "hdc"),
    SAVRA_FN("DeleteObject", DeleteObject, "ho"),
    SAVRA_FN("SetPixel", SetPixel, "hdc", "x", "y", "color"),
    SAVRA_FN("GetPixel", GetPixel, "hdc", "x", "y"),
    SAVRA_FN("MoveToEx", MoveToEx, "hdc", "x", "y", "lppt"),
    SAVRA_FN("GetCurrentPositionEx", GetCurrentPositionEx, "hdc", "lppt"),
    SAVRA_FN("AngleArc", AngleArc, "hdc", "x", "y", "r", "StartAngle", "SweepAngle"),
    SAVRA_FN("GetDeviceCaps", GetDeviceCaps, "hdc", "index"),
};

void register_gdi_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
