// The registration steps the module's initialiser runs, one per part of the vocabulary; each is
// defined beside what it registers.
#pragma once

namespace savrawin {

void register_handwritten_functions();
void register_kernel_functions();
void register_user_functions();
void register_gdi_functions();
void register_controls_functions();
void register_union_constructors();
void register_dialog_template_functions();
void register_final_message_box();
void register_beyond_functions();
void create_com_classes();
void register_com();
// At unload: the automation objects scripts still hold released, COM ended for the thread.
void end_com();
void create_declared_classes();
void register_declared_functions();

} // namespace savrawin
