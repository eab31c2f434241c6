// Proves every table value that the SDK headers define, compiled with the module's target
// macros (UTF-16, WINVER 0x0501) and the two the tables depend on: OEMRESOURCE for the OBM_,
// OCR_ and OIC_ ids, and _RICHEDIT_VER for the rich edit 2.0 definitions. A misspelt name or a
// wrong value stops the build here. This file emits no code.
#define OEMRESOURCE
#define _RICHEDIT_VER 0x0200
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <richedit.h>
#include <htmlhelp.h>

#include <stdint.h>

// The comparison is on the 32-bit value the table stores: 0x80000000UL and -2147483648 agree.
#define CHECKED(name, value) static_assert(static_cast<int32_t>(name) == (value), #name);
#define DOCUMENTED(name, value)

#include "first_table.gen.inc"
#include "second_table.gen.inc"
