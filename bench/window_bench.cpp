// A script message handler's round trip (SendMessage -> window procedure -> message map ->
// bridge -> handler -> result) against the same SendMessage to a native window procedure, in
// one run; the same call made from a script loop; and a message no handler takes (the map's cost on
// unhandled traffic, which allocates nothing).
#include <windows.h>

#include <stdio.h>

#include "savra.h"
#include "timing.h"

static LRESULT CALLBACK native_proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_USER + 7) return 1;
    return DefWindowProcW(h, m, w, l);
}

template <class F> static double per_call(F f, int n)
{
    double t0 = now_ns();
    for (int i = 0; i < n; i++) f();
    return (now_ns() - t0) / n;
}

int main(int argc, char **argv)
{
    const int N = 20000;
    if (!start_with_module(argc, argv)) return 1;
    li_EvalString("(setq w (new SWindow)) (.Create w 0 nil \"bench\" WS_OVERLAPPEDWINDOW 0)"
                  " (.MessageHandler w (+ WM_USER 7) 1) (setq h (.-m_hWnd w))");
    HWND scripted = (HWND)(uintptr_t)(uint32_t)li_LVal(li_SymbolValue(li_SymbolFind("h")));

    WNDCLASSW wc = {};
    wc.lpfnWndProc = native_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"savra-bench-native";
    RegisterClassW(&wc);
    HWND native = CreateWindowW(L"savra-bench-native", L"native", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                wc.hInstance, nullptr);
    if (!scripted || !native) {
        printf("no windows\n");
        return 1;
    }
    volatile LRESULT sink = 0;
    double native_ns = per_call([&] { sink = SendMessageW(native, WM_USER + 7, 0, 0); }, N);
    double handler_ns = per_call([&] { sink = SendMessageW(scripted, WM_USER + 7, 0, 0); }, N);
    double unhandled_ns = per_call([&] { sink = SendMessageW(scripted, WM_USER + 8, 0, 0); }, N);
    double native_default_ns = per_call([&] { sink = SendMessageW(native, WM_USER + 8, 0, 0); }, N);
    double loop = script_ns("nil", N);
    double from_script = script_ns("(SendMessage h (+ WM_USER 7) 0 0)", N) - loop;
    printf("%-44s %10.1f ns\n", "SendMessage to a native window procedure", native_ns);
    printf("%-44s %10.1f ns  (ratio %.1f)\n", "SendMessage to a script handler, from C", handler_ns, handler_ns / native_ns);
    printf("%-44s %10.1f ns  (ratio %.1f)\n", "the same from a script loop", from_script, from_script / native_ns);
    printf("%-44s %10.1f ns\n", "native procedure passing on to DefWindowProc", native_default_ns);
    printf("%-44s %10.1f ns  (ratio %.1f)\n", "a message no handler takes, from C", unhandled_ns, unhandled_ns / native_default_ns);
    return 0;
}
