// The module's entry point and its initialiser: every name scripts can reach is registered here,
// in a fixed order, after the interpreter has finished loading the library. The order matters
// where a global name is registered twice (the later registration of the same parameter count
// wins) and for the constants of the first table, which exist while the classes and functions are
// made; a class's methods are its own table's, whatever the order.
#include <windows.h>

#include "savra.h"
#include "registration.h"
#include "../api/constants/constants.h"
#include "../structs/model.h"
#include "../structs/classes.h"
#include "../windows/classes.h"

namespace savrawin {
extern HINSTANCE module_instance;
void unregister_window_classes();
} // namespace savrawin

namespace {

using namespace savrawin;

void sort_function_cache() { li_FuncCacheSort(); }

// The registration steps, in the order they run.
constexpr void (*registration[])() = {
    // the hand-written functions that stand first, then the first constant table
    register_handwritten_functions,
    install_first_constant_table,
    sort_function_cache,
    // every class, structures first (made on their first need, in this place of the class list)
    defer_structure_classes,
    create_window_classes,
    create_com_classes,
    create_declared_classes,
    // the platform families ("GetVersion" first), the union constructors, the dialog-template
    // functions
    register_kernel_functions,
    register_user_functions,
    register_gdi_functions,
    register_controls_functions,
    register_union_constructors,
    register_dialog_template_functions,
    // the window, dialog and menu classes' methods and functions, class by class, each from its
    // own table
    register_window_classes,
    // the second constant table
    install_second_constant_table,
    sort_function_cache,
    // MessageBox once more: this form stays in force
    register_final_message_box,
    // the calls past the catalogue, from their own table: the catalogue's order is untouched
    register_beyond_functions,
    // the automation vocabulary
    register_com,
    // functions of any library that scripts declare themselves, and their callbacks
    register_declared_functions,
};

int initialise()
{
    for (auto step : registration) step();
    return li_FuncCacheSort();
}

} // namespace

extern "C" __declspec(dllexport) void SavraSetAtlPointer(void) {}

// For tests and soaks: UTF-16 buffers made for string fields and not yet released.
extern "C" __declspec(dllexport) int SavraStringRegistryCount(void) { return string_registry_count(); }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        module_instance = instance;
        LI_DeferDllInitialization(initialise, "winfns_dll_load_hook");
    } else if (reason == DLL_PROCESS_DETACH) {
        li_AttemptLispFunction(li_SymbolFind("winfns_dll_unload_hook"), 0);
        // unloaded by the host (not the process ending, when servers see their client go anyway)
        if (!reserved) end_com();
        unregister_window_classes();
    }
    return TRUE;
}
