// SHotKeyCtrl and SAnimateCtrl.
#include "controls.h"

namespace savrawin {

namespace {

const MethodRow hot_key_rows[] = {
    // Attributes.
    overloaded<Send<HKM_GETHOTKEY>>("GetHotKey"),
    method<Send<HKM_SETHOTKEY, WLowByte<WORD>, WHighByte<WORD>>>("SetHotKey", "wVirtualKeyCode", "wModifiers"),
    method<Send<HKM_SETRULES, W<WORD>, LLow<WORD>>>("SetRules", "wInvalidComb", "wModifiers"),
};

// Seeking plays the one frame once: from and to are both the frame.
LRESULT animate_seek(HWND h, UINT frame) { return SendMessageW(h, ACM_PLAY, 1, MAKELPARAM(frame, frame)); }

const MethodRow animate_rows[] = {
    // Operations.
    method<Send<ACM_PLAY, LLow<UINT>, LHigh<UINT>, W<UINT>>>("Play", "nFrom", "nTo", "nRep"),
    method<Send<ACM_STOP>>("Stop"),
    // Opening nothing closes the clip.
    method<Send<ACM_OPENW>>("Close"),
    method<Call<animate_seek>>("Seek", "nTo"),
};

} // namespace

const MethodTable hot_key_methods = table(hot_key_rows);
const MethodTable animate_methods = table(animate_rows);

} // namespace savrawin
