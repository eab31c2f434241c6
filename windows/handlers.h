// Script handlers of a window: expressions attached to a message, a notification or a command,
// kept in sorted lists inside the window base and mirrored as MessageInfo instances in the global
// array _message_handlers, which keeps each expression reachable for the collector.
#pragma once

#include "window_base.h"

namespace savrawin {

// The outcome of a dispatch: no handler ran (nullptr), or the last handler's value.
LiValue dispatch_message(SWindowBase *w, UINT uMsg, WPARAM wParam, LPARAM lParam);
LiValue dispatch_notify(SWindowBase *w, int idCtrl, NMHDR *pnmh);
// id: the sender's whole id (a command carries its low half; a control's own id is all of it).
LiValue dispatch_command(SWindowBase *w, WORD code, uint32_t id, HWND hWndCtl);

// nullptr or nil: unhandled; a number: handled with that result; anything else: handled, 0.
bool handler_result(LiValue value, LRESULT &result);

void release_handler_lists(SavraMessageHandler *h);

// The methods MessageHandler (uMsg, expression), NotifyHandler and CommandHandler (iNotifyCode,
// idCtrl, expression): each adds a handler and returns its MessageInfo instance.
LiValue MessageHandler_entry();
LiValue NotifyHandler_entry();
LiValue CommandHandler_entry();

} // namespace savrawin
