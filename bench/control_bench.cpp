// Control methods from script against the same messages sent from C, in one run: an integer
// method without and with an argument, and a text method (a 20-character AddString), with the
// cells each call makes beyond the loop's own; a list view's InsertItem and GetItemText, and
// 10,000 items filled in.
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <string>

#include "savra.h"
#include "timing.h"

int main(int argc, char **argv)
{
    const int N = 200000, T = 20000;
    if (!start_with_module(argc, argv)) return 1;
    li_EvalString("(setq host (new SWindow)) (.Create host 0 nil \"bench\" 0x00CF0000 0)"
                  "(setq lb (new SListBox)) (.Create lb (.-m_hWnd host) nil nil 0 0) (.AddString lb \"x\")"
                  "(setq s20 (make-string 20 65))");
    li_EvalString("(setq lb-hwnd (.-m_hWnd lb))");
    HWND h = (HWND)(uintptr_t)(uint32_t)li_LVal(li_SymbolValue(li_SymbolFind("lb-hwnd")));
    std::wstring w20(20, L'A');
    volatile LRESULT sink = 0;

    double loop = script_ns("nil", N);
    double loop_cells = script_cells("nil", N / 10);
    struct Row {
        const char *name, *script;
        int n;
        double c;
        bool text;
    } rows[] = {
        {"GetCount ()", "(.GetCount lb)", N, c_ns([&] { sink = SendMessageW(h, LB_GETCOUNT, 0, 0); }, N), false},
        {"SetCurSel (integer)", "(.SetCurSel lb 0)", N, c_ns([&] { sink = SendMessageW(h, LB_SETCURSEL, 0, 0); }, N), false},
        {"SetSel, default filled", "(.SetSel lb 0)", N, c_ns([&] { sink = SendMessageW(h, LB_SETSEL, 1, 0); }, N), false},
    };
    printf("%-30s %12s %12s %8s %14s\n", "control method", "script ns", "C ns", "ratio", "cells per call");
    for (const Row &r : rows) {
        double s = script_ns(r.script, r.n) - loop;
        double cells = script_cells(r.script, r.n / 10) - loop_cells;
        printf("%-30s %12.1f %12.1f %8.1f %14.2f\n", r.name, s, r.c, s / r.c, cells);
    }
    // Text: T items added from each side, the list emptied between the runs.
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double c_text = c_ns([&] { sink = SendMessageW(h, LB_ADDSTRING, 0, (LPARAM)w20.c_str()); }, T);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double s_text = script_ns("(.AddString lb s20)", T) - loop;
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double text_cells = script_cells("(.AddString lb s20)", N / 10) - loop_cells;
    printf("%-30s %12.1f %12.1f %8.1f %14.2f\n", "AddString, 20 characters", s_text, c_text, s_text / c_text, text_cells);
    printf("(a result is an integer cell unless the interpreter keeps that number static)\n");

    // A list view in report view: a 20-character item inserted and read back, and 10,000 items
    // filled in, from script and from C.
    li_EvalString("(setq lv (new SListViewCtrl)) (.Create lv (.-m_hWnd host) nil nil 0x50000001 0)"
                  "(.AddColumn lv \"Name\" 0) (setq lv-hwnd (.-m_hWnd lv)) (setq got (make-string 40))");
    HWND lv = (HWND)(uintptr_t)(uint32_t)li_LVal(li_SymbolValue(li_SymbolFind("lv-hwnd")));
    auto c_insert = [&](int index) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = (LPWSTR)w20.c_str();
        return SendMessageW(lv, LVM_INSERTITEMW, 0, (LPARAM)&item);
    };
    auto c_get_text = [&](int index) {
        wchar_t buf[41];
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = buf;
        item.cchTextMax = 41;
        return SendMessageW(lv, LVM_GETITEMTEXTW, (WPARAM)index, (LPARAM)&item);
    };
    const int L = 2000, FILL = 10000;
    SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
    double c_ins = c_ns([&] { sink = c_insert(0); }, L);
    double c_get = c_ns([&] { sink = c_get_text(0); }, L);
    SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
    double s_ins = script_ns("(.InsertItem lv 0 s20)", L) - loop;
    double s_get = script_ns("(.GetItemText lv 0 0 got 41)", L) - loop;
    printf("%-30s %12.1f %12.1f %8.1f\n", "InsertItem, 20 characters", s_ins, c_ins, s_ins / c_ins);
    printf("%-30s %12.1f %12.1f %8.1f\n", "GetItemText, 20 characters", s_get, c_get, s_get / c_get);
    SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
    double t0 = now_ns();
    for (int i = 0; i < FILL; i++) c_insert(i);
    double c_fill = (now_ns() - t0) / 1e6;
    SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
    char fill[128];
    snprintf(fill, sizeof fill, "(dotimes (i %d) (.InsertItem lv i s20))", FILL);
    t0 = now_ns();
    li_EvalString(fill);
    double s_fill = (now_ns() - t0) / 1e6;
    printf("%-30s %10.1f ms %10.1f ms %8.1f\n", "10,000 items into a list view", s_fill, c_fill, s_fill / c_fill);
    return 0;
}
