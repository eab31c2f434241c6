/* The start file every program and library here is linked with, in place of the toolchain's
 * crtbegin.o. It registers the image's unwind tables with the statically linked unwinder, as that
 * one does, but without first asking the loader whether libgcc_s_dw2-1.dll is in the process:
 * everything here links libgcc statically, so the answer never changes what is registered, and a
 * loader search for a library that is not there costs each image a path walk at start-up (a fifth
 * of a second in an emulated guest). The build compiles this into its own folder and puts that
 * first in the driver's search for start files. */
#include <stdlib.h>

/* The unwinder's record of one registered image: opaque here, with room to spare (it is 24 bytes in
 * this toolchain's libgcc). */
struct object {
    void *words[8];
};

extern void __register_frame_info(const void *, struct object *) __attribute__((weak));
extern void *__deregister_frame_info(const void *) __attribute__((weak));

/* Linked right after the runtime's start object and before the image's own objects, so this empty
 * array marks where their unwind tables begin, as the toolchain's file does; crtend.o ends them
 * with a zero word. */
static const char eh_frame_begin[] __attribute__((used, section(".eh_frame"), aligned(4))) = {};
static struct object registered;

void __gcc_deregister_frame(void)
{
    if (__deregister_frame_info) __deregister_frame_info(eh_frame_begin);
}

/* Called by crtend.o's constructor. */
void __gcc_register_frame(void)
{
    if (__register_frame_info) __register_frame_info(eh_frame_begin, &registered);
    atexit(__gcc_deregister_frame);
}
