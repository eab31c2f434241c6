// Records of the platform's that the window layer's rows make classes of (the rich edit control's
// ranges, formats and searches): an instance is the record's zeroed bytes, with no hook of its own.
#pragma once

#include <windows.h>
#include <richedit.h>

#include "native_hooks.h"

namespace savrawin {

struct PlainRecordHooks {
    static constexpr ClassHooks hooks = {nullptr, nullptr, nullptr, nullptr};
};
template <> struct NativeHooks<CHARRANGE> : PlainRecordHooks {};
template <> struct NativeHooks<CHARFORMAT2W> : PlainRecordHooks {};
template <> struct NativeHooks<PARAFORMAT2> : PlainRecordHooks {};
template <> struct NativeHooks<FINDTEXTEXW> : PlainRecordHooks {};

} // namespace savrawin
