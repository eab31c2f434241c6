// SToolTipCtrl. A tool is named by a description (TTTOOLINFOW): the script's own, or one built
// from a window and an identifier.
#include "controls.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "../../structs/model.h"
#include "../window_object.h"

namespace savrawin {

namespace {

static_assert(sizeof(TTTOOLINFOW) == 48, "the tool description the methods build");

// Identifier 0 names the window itself, as a tool of its parent.
TTTOOLINFOW tool_description(HWND window, UINT_PTR id, const RECT *rect = nullptr)
{
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof ti;
    if (id == 0) {
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = GetParent(window);
        ti.uId = (UINT_PTR)window;
    } else {
        ti.hwnd = window;
        ti.uId = id;
    }
    if (rect) ti.rect = *rect;
    ti.hinst = module_instance;
    return ti;
}

// A tool tip copies a tool's text out without being told the room (it stops at INFOTIPSIZE
// units; newer ones also honour the count in wParam): the text is read into a copy with that
// room, then cut to the destination's room. The copy starts as the destination's text, so a
// tool that is not found leaves it as it was. A destination of unknown room (-1) is not written.
LRESULT read_tool_text(HWND h, TTTOOLINFOW ti, wchar_t *dest, int room)
{
    size_t units = room > INFOTIPSIZE ? (size_t)room : INFOTIPSIZE;
    wchar_t *copy = (wchar_t *)calloc(units + 1, sizeof(wchar_t));
    if (!copy) return 0;
    bool writable = dest && room > 0;
    if (writable) memcpy(copy, dest, wcsnlen(dest, (size_t)room - 1) * sizeof(wchar_t));
    ti.lpszText = copy;
    LRESULT r = SendMessageW(h, TTM_GETTEXTW, (WPARAM)units, (LPARAM)&ti);
    copy[units] = 0;
    if (writable) {
        size_t n = units_that_fit(copy, wcslen(copy), (size_t)room);
        memcpy(dest, copy, n * sizeof(wchar_t));
        dest[n] = 0;
    }
    free(copy);
    return r;
}

// The text buffer of a description the script filled: a string field the module made has a
// known room; any other pointer is left alone.
LRESULT read_tool_text_into(HWND h, const TTTOOLINFOW &ti)
{
    return read_tool_text(h, ti, ti.lpszText, string_field_room(ti.lpszText));
}

// Messages that fill a description copy the tool's whole text into its buffer, whatever the
// buffer's size: they are sent without one, and the text is then read within the buffer's room.
LRESULT describe_tool(HWND h, UINT msg, WPARAM wp, LPARAM lp, TTTOOLINFOW *ti)
{
    wchar_t *text = ti->lpszText;
    ti->lpszText = nullptr;
    LRESULT r = SendMessageW(h, msg, wp, lp);
    ti->lpszText = text;
    if (r && text) read_tool_text_into(h, *ti);
    return r;
}

LRESULT tip_get_text(HWND h, TTTOOLINFOW *ti) { return ti ? read_tool_text_into(h, *ti) : 0; }
LRESULT tip_get_text_of(HWND h, WideBuffer buffer, HWND window, UINT id)
{
    return read_tool_text(h, tool_description(window, id), buffer.text, buffer.units);
}

LRESULT tip_set_tool_rect(HWND h, HWND window, UINT id, RECT *rect)
{
    TTTOOLINFOW ti = tool_description(window, id, rect);
    return SendMessageW(h, TTM_NEWTOOLRECTW, 0, (LPARAM)&ti);
}

LRESULT tip_del_tool(HWND h, HWND window, UINT id)
{
    TTTOOLINFOW ti = tool_description(window, id);
    return SendMessageW(h, TTM_DELTOOLW, 0, (LPARAM)&ti);
}

// Without a description the message answers whether there is a current tool.
LRESULT tip_get_current_tool(HWND h, TTTOOLINFOW *ti)
{
    return ti ? describe_tool(h, TTM_GETCURRENTTOOLW, 0, (LPARAM)ti, ti) : SendMessageW(h, TTM_GETCURRENTTOOLW, 0, 0);
}
LRESULT tip_enum_tools(HWND h, UINT index, TTTOOLINFOW *ti)
{
    return ti ? describe_tool(h, TTM_ENUMTOOLSW, index, (LPARAM)ti, ti) : FALSE;
}

LRESULT tip_hit_test(HWND h, TTHITTESTINFOW *hit)
{
    return hit ? describe_tool(h, TTM_HITTESTW, 0, (LPARAM)hit, &hit->ti) : FALSE;
}
// The found tool's description goes to tool_info; its text into tool_info's own buffer.
LRESULT tip_hit_test_at(HWND h, HWND window, POINT pt, TTTOOLINFOW *tool_info)
{
    TTHITTESTINFOW hit = {};
    hit.hwnd = window;
    hit.pt = pt;
    hit.ti.cbSize = sizeof hit.ti;
    LRESULT r = SendMessageW(h, TTM_HITTESTW, 0, (LPARAM)&hit);
    if (r && tool_info) {
        wchar_t *text = tool_info->lpszText;
        *tool_info = hit.ti;
        tool_info->lpszText = text;
        if (text) read_tool_text_into(h, *tool_info);
    }
    return r;
}

// The tool the description's window and identifier name, described into it (its text within the
// room of its own buffer). A size the control would write past the record is cut to the record's.
LRESULT tip_get_tool_info(HWND h, TTTOOLINFOW *ti)
{
    if (!ti) return FALSE;
    if (ti->cbSize == 0 || ti->cbSize > sizeof *ti) ti->cbSize = sizeof *ti;
    return describe_tool(h, TTM_GETTOOLINFOW, 0, (LPARAM)ti, ti);
}
// The same for the tool of a window and identifier, as the other methods name it.
LRESULT tip_get_tool_info_of(HWND h, HWND window, UINT id, TTTOOLINFOW *ti)
{
    if (!ti) return FALSE;
    TTTOOLINFOW named = tool_description(window, id);
    ti->cbSize = named.cbSize;
    ti->uFlags = named.uFlags;
    ti->hwnd = named.hwnd;
    ti->uId = named.uId;
    return describe_tool(h, TTM_GETTOOLINFOW, 0, (LPARAM)ti, ti);
}

// The control looks the tool up through the description unchecked.
PackedSize tip_get_bubble_size(HWND h, TTTOOLINFOW *ti)
{
    return PackedSize{ti ? (uint32_t)SendMessageW(h, TTM_GETBUBBLESIZE, 0, (LPARAM)ti) : 0u};
}

// The control writes the title through the record's pointer for its count.
LRESULT tip_get_title(HWND h, TTGETTITLE *title)
{
    return title && title->pszTitle ? SendMessageW(h, TTM_GETTITLE, 0, (LPARAM)title) : 0;
}

const MethodRow tool_tip_rows[] = {
    // Attributes.
    method<Call<tip_get_text>>("GetText", "lpToolInfo"),
    method<Call<tip_get_text_of, 0>>("GetText", "lpstrText", "hWnd", "nIDTool"),
    method<Call<tip_get_tool_info>>("GetToolInfo", "lpToolInfo"),
    method<Call<tip_get_tool_info_of>>("GetToolInfo", "hWnd", "nIDTool", "lpToolInfo"),
    method<Send<TTM_SETTOOLINFOW, L<TTTOOLINFOW *>>>("SetToolInfo", "lpToolInfo"),
    method<Send<TTM_NEWTOOLRECTW, L<TTTOOLINFOW *>>>("SetToolRect", "lpToolInfo"),
    method<Call<tip_set_tool_rect>>("SetToolRect", "hWnd", "nIDTool", "lpRect"),
    method<Send<TTM_GETTOOLCOUNT>>("GetToolCount"),
    method<Send<TTM_GETDELAYTIME, W<DWORD>>>("GetDelayTime", "dwType"),
    method<Send<TTM_SETDELAYTIME, W<DWORD>, LLow<int>>>("SetDelayTime", "dwType", "nTime"),
    method<Send<TTM_GETMARGIN, L<RECT *>>>("GetMargin", "lpRect"),
    method<Send<TTM_SETMARGIN, L<RECT *>>>("SetMargin", "lpRect"),
    method<Send<TTM_GETMAXTIPWIDTH>>("GetMaxTipWidth"),
    method<Send<TTM_SETMAXTIPWIDTH, L<int>>>("SetMaxTipWidth", "nWidth"),
    method<Send<TTM_GETTIPBKCOLOR>>("GetTipBkColor"),
    method<Send<TTM_SETTIPBKCOLOR, W<COLORREF>>>("SetTipBkColor", "clr"),
    method<Send<TTM_GETTIPTEXTCOLOR>>("GetTipTextColor"),
    method<Send<TTM_SETTIPTEXTCOLOR, W<COLORREF>>>("SetTipTextColor", "clr"),
    method<Call<tip_get_current_tool>>("GetCurrentTool", "lpToolInfo"),
    method<Call<tip_get_bubble_size>>("GetBubbleSize", "lpToolInfo"),
    method<Send<TTM_SETTITLEW, W<UINT>, L<LPCWSTR>>>("SetTitle", "uIcon", "lpstrTitle"),
    method<Call<tip_get_title>>("GetTitle", "pTTGetTitle"),
    method<Send<TTM_SETWINDOWTHEME, L<LPCWSTR>>>("SetWindowTheme", "lpstrTheme"),
    // Operations.
    method<Send<TTM_ACTIVATE, W<BOOL>>>("Activate", "bActivate"),
    method<Send<TTM_DELTOOLW, L<TTTOOLINFOW *>>>("DelTool", "lpToolInfo"),
    method<Call<tip_del_tool>>("DelTool", "hWnd", "nIDTool"),
    method<Call<tip_hit_test>>("HitTest", "lpHitTestInfo"),
    method<Call<tip_hit_test_at>>("HitTest", "hWnd", "pt", "lpToolInfo"),
    method<Send<TTM_RELAYEVENT, L<MSG *>>>("RelayEvent", "lpMsg"),
    method<Call<tip_enum_tools>>("EnumTools", "nTool", "lpToolInfo"),
    method<Send<TTM_POP>>("Pop"),
    method<Send<TTM_TRACKACTIVATE, W<BOOL>, L<TTTOOLINFOW *>>>("TrackActivate", "bActivate", "lpToolInfo"),
    method<Send<TTM_TRACKPOSITION, LLow<int>, LHigh<int>>>("TrackPosition", "xPos", "yPos"),
    method<Send<TTM_UPDATE>>("Update"),
    method<Send<TTM_ADJUSTRECT, W<BOOL>, L<RECT *>>>("AdjustRect", "bLarger", "lpRect"),
    method<Send<TTM_POPUP>>("Popup"),
};

} // namespace

const MethodTable tool_tip_methods = table(tool_tip_rows);

} // namespace savrawin
