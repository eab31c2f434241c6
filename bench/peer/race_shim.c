/* The Lua side's window for bench/race.lua: SendMessageW called from a Lua C function, to a window
   whose procedure calls a Lua function for every message from WM_USER up, and the clock the Savra
   side reads (GetSystemTimeAsFileTime, in ns). Built by bench/peer/lua; never part of the product. */
#include <windows.h>

#include "lauxlib.h"
#include "lua.h"

static lua_State *handler_state;
static int handler_ref = LUA_NOREF;

static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m < WM_USER || handler_ref == LUA_NOREF) return DefWindowProcW(h, m, w, l);
    lua_rawgeti(handler_state, LUA_REGISTRYINDEX, handler_ref);
    lua_pushinteger(handler_state, m);
    lua_pushinteger(handler_state, (lua_Integer)w);
    lua_pushinteger(handler_state, (lua_Integer)l);
    lua_call(handler_state, 3, 1);
    LRESULT r = (LRESULT)lua_tointeger(handler_state, -1);
    lua_pop(handler_state, 1);
    return r;
}

/* window(f): a window whose messages from WM_USER up are answered by f(msg, wParam, lParam). */
static int window(lua_State *L)
{
    luaL_checktype(L, 1, LUA_TFUNCTION);
    WNDCLASSW wc = {0};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.lpszClassName = L"race-shim";
    RegisterClassW(&wc);
    lua_pushvalue(L, 1);
    handler_ref = luaL_ref(L, LUA_REGISTRYINDEX);
    handler_state = L;
    HWND h = CreateWindowW(L"race-shim", L"race", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL, NULL, wc.hInstance, NULL);
    if (!h) return luaL_error(L, "CreateWindowW failed: %d", (int)GetLastError());
    lua_pushinteger(L, (lua_Integer)(UINT_PTR)h);
    return 1;
}

static int send_message(lua_State *L)
{
    HWND h = (HWND)(UINT_PTR)luaL_checkinteger(L, 1);
    lua_pushinteger(L, (lua_Integer)SendMessageW(h, (UINT)luaL_checkinteger(L, 2), (WPARAM)luaL_checkinteger(L, 3),
                                                 (LPARAM)luaL_checkinteger(L, 4)));
    return 1;
}

static int now_ns(lua_State *L)
{
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    lua_pushnumber(L, ((double)t.dwHighDateTime * 4294967296.0 + (double)t.dwLowDateTime) * 100.0);
    return 1;
}

__declspec(dllexport) int luaopen_race_shim(lua_State *L)
{
    static const luaL_Reg functions[] = {{"window", window}, {"send", send_message}, {"now_ns", now_ns}, {NULL, NULL}};
    luaL_newlib(L, functions);
    return 1;
}
