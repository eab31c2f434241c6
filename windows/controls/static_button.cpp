// SStatic and SButton.
#include "controls.h"

namespace savrawin {

namespace {

// The icon methods take their arguments and leave the control alone.
int static_get_icon(HWND) { return 0; }
int static_set_icon(HWND, HICON) { return 0; }

DWORD button_get_style(HWND h) { return (DWORD)GetWindowLongW(h, GWL_STYLE) & 0xFFFF; }

const MethodRow static_rows[] = {
    method<Call<static_get_icon>>("GetIcon"),
    method<Call<static_set_icon>>("SetIcon", "hIcon"),
    method<Send<STM_GETIMAGE, WIs<IMAGE_ENHMETAFILE>>>("GetEnhMetaFile"),
    method<Send<STM_SETIMAGE, WIs<IMAGE_ENHMETAFILE>, L<HENHMETAFILE>>>("SetEnhMetaFile", "hMetaFile"),
    method<Send<STM_GETIMAGE, WIs<IMAGE_CURSOR>>>("GetCursor"),
    method<Send<STM_SETIMAGE, WIs<IMAGE_CURSOR>, L<HCURSOR>>>("SetCursor", "hCursor"),
};

const MethodRow button_rows[] = {
    // Attributes.
    method<Send<BM_GETSTATE>>("GetState"),
    method<Send<BM_SETSTATE, W<BOOL>>>("SetState", "bHighlight"),
    method<Send<BM_GETCHECK>>("GetCheck"),
    method<Send<BM_SETCHECK, W<int>>>("SetCheck", "nCheck"),
    method<Call<button_get_style>>("GetButtonStyle"),
    method<Send<BM_SETSTYLE, W<UINT>, L<BOOL, 1>>>("SetButtonStyle", "nStyle", "bRedraw"),
    method<Call<static_get_icon>>("GetIcon"),
    method<Call<static_set_icon>>("SetIcon", "hIcon"),
    method<Send<BCM_GETIDEALSIZE, L<SIZE *>>>("GetIdealSize", "lpSize"),
    method<Send<BCM_GETTEXTMARGIN, L<RECT *>>>("GetTextMargin", "lpRect"),
    method<Send<BCM_SETTEXTMARGIN, L<RECT *>>>("SetTextMargin", "lpRect"),
    // Operations.
    method<Send<BM_CLICK>>("Click"),
};

} // namespace

const MethodTable static_methods = table(static_rows);
const MethodTable button_methods = table(button_rows);

} // namespace savrawin
