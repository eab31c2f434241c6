// The module's entry point and its initialiser: every name scripts can reach is registered here,
// in a fixed order, after the interpreter has finished loading the library.
#include <windows.h>

#include "savra.h"
#include "wrap.h"
#include "constants.h"
#include "../structs/model.h"

namespace savrawin {
void register_handwritten_functions();
void register_final_message_box();
void register_kernel_functions();
void register_user_functions();
void register_gdi_functions();
} // namespace savrawin

namespace {

int initialise()
{
    using namespace savrawin;
    // 1. hand-written functions, 2. the first constant table.
    register_handwritten_functions();
    install_first_constant_table();
    li_FuncCacheSort();
    // 3.1 classes, structures first.
    create_structure_classes();
    // 3.4 the platform families.
    register_kernel_functions();
    register_user_functions();
    register_gdi_functions();
    // 3.6 the second constant table.
    install_second_constant_table();
    li_FuncCacheSort();
    // 4. message-handler methods, then MessageBox once more: this form stays in force.
    register_final_message_box();
    return li_FuncCacheSort();
}

} // namespace

extern "C" __declspec(dllexport) void SavraSetAtlPointer(void) {}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) LI_DeferDllInitialization(initialise, "winfns_dll_load_hook");
    else if (reason == DLL_PROCESS_DETACH) li_AttemptLispFunction(li_SymbolFind("winfns_dll_unload_hook"), 0);
    return TRUE;
}
