// Methods of the controls that carry behaviour of their own (the hyperlink and the bitmap
// button), registered after the standard controls' methods.
#include "controls/controls.h"

namespace savrawin {

void register_own_control_methods()
{
    for (const ControlTable *t : {&hyper_link_table, &bitmap_button_table})
        register_methods(*t->cls, t->class_name, t->rows);
}

} // namespace savrawin
