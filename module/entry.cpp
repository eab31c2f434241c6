// The module's entry point and its initialiser: every name scripts can reach is registered here,
// in a fixed order, after the interpreter has finished loading the library. The order matters
// where a name is registered twice (the later registration of the same parameter count wins) and
// for the constants of the first table, which exist while the classes and functions are made.
#include <windows.h>

#include "savra.h"
#include "wrap.h"
#include "constants.h"
#include "../structs/model.h"

namespace savrawin {
extern HINSTANCE module_instance;
void register_handwritten_functions();
void register_final_message_box();
void register_kernel_functions();
void register_user_functions();
void register_gdi_functions();
void register_controls_functions();
void register_union_constructors();
void register_dialog_template_functions();
void register_window_base_globals();
void register_window_create_methods();
void register_window_base_methods();
void register_window_class_methods();
void register_resize_methods();
void register_subclass_methods();
void register_control_methods();
void register_own_control_methods();
void register_menu_methods();
void register_common_dialog_methods();
void register_message_handler_methods();
void register_final_window_text_method();
void unregister_window_classes();
void register_beyond_functions();
} // namespace savrawin

namespace {

using namespace savrawin;

int initialise()
{
    // 1. The hand-written functions that stand first.
    register_handwritten_functions();
    // 2. The first constant table.
    install_first_constant_table();
    li_FuncCacheSort();
    // 3.1 Every class, structures first.
    create_classes();
    // 3.2 Create methods of the window classes (their hooks came with the classes).
    register_window_create_methods();
    // 3.4 The platform families ("GetVersion" first), the union constructors, the dialog-template
    // functions, the window base's globals.
    register_kernel_functions();
    register_user_functions();
    register_gdi_functions();
    register_controls_functions();
    register_union_constructors();
    register_dialog_template_functions();
    register_window_base_globals();
    // 3.5 Methods of the window, dialog and menu classes with their class functions.
    register_window_base_methods();
    register_window_class_methods();
    register_resize_methods();
    register_subclass_methods();
    register_control_methods();
    register_own_control_methods();
    register_menu_methods();
    register_common_dialog_methods();
    // 3.6 The second constant table.
    install_second_constant_table();
    li_FuncCacheSort();
    // 4. Message-handler methods, the window text method without arguments, and MessageBox once
    // more: these forms stay in force.
    register_message_handler_methods();
    register_final_window_text_method();
    register_final_message_box();
    // 5. The calls past the catalogue, from their own table: the catalogue's order is untouched.
    register_beyond_functions();
    return li_FuncCacheSort();
}

} // namespace

extern "C" __declspec(dllexport) void SavraSetAtlPointer(void) {}

// For tests and soaks: UTF-16 buffers made for string fields and not yet released.
extern "C" __declspec(dllexport) int SavraStringRegistryCount(void) { return string_registry_count(); }

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        module_instance = instance;
        LI_DeferDllInitialization(initialise, "winfns_dll_load_hook");
    } else if (reason == DLL_PROCESS_DETACH) {
        li_AttemptLispFunction(li_SymbolFind("winfns_dll_unload_hook"), 0);
        unregister_window_classes();
    }
    return TRUE;
}
