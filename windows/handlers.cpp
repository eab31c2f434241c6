#include "handlers.h"

#include "../binding/bridge.h"
#include "../binding/wrap.h"
#include "classes.h"
#include "../structs/model.h"

namespace savrawin {

namespace {

enum Kind : uint32_t { MESSAGE = 0, NOTIFY = 1, COMMAND = 2 };

// The native side of a MessageInfo instance.
struct HandlerRecord {
    uint32_t reserved;
    uint32_t registered; // owns an instance and an entry in _message_handlers; 0 for search keys
    LiValue instance;
    UINT Msg;
    WORD CmdCode;
    WORD CmdID;
    int32_t NotifyCtrl;
    int32_t NotifyCode;
    LiValue Expression;
    uint32_t kind;
    // Past what a script sees: a command handler's id as given, all 32 bits of it (CmdID keeps the
    // low half, which is all a command carries).
    uint32_t command_id;
};
// What the MessageInfo class shows of a record.
constexpr uint32_t message_info_size = offsetof(HandlerRecord, command_id);
static_assert(message_info_size == 36, "the MessageInfo block");

LiStrucField message_info_fields[] = {
    SF_UI("Msg", 12),        SF_US("CmdCode", 16),    SF_US("CmdID", 18),
    SF_US("NotifyCtrl", 20), SF_US("NotifyCode", 24), SF_C("Expression", 28),
    SF_END,
};

LiValue message_info_class = nullptr;
LiValue mirror = nullptr; // the array the module made, whatever _message_handlers holds later

int order(int32_t a, int32_t b) { return a < b ? -1 : a > b ? 1 : 0; }

int compare_message(const void *a, const void *b)
{
    return order((int32_t)((const HandlerRecord *)a)->Msg, (int32_t)((const HandlerRecord *)b)->Msg);
}

int compare_notify(const void *a, const void *b)
{
    const HandlerRecord *x = (const HandlerRecord *)a, *y = (const HandlerRecord *)b;
    int c = order(x->NotifyCtrl, y->NotifyCtrl);
    return c ? c : order(x->NotifyCode, y->NotifyCode);
}

int compare_command(const void *a, const void *b)
{
    const HandlerRecord *x = (const HandlerRecord *)a, *y = (const HandlerRecord *)b;
    int c = order(x->CmdID, y->CmdID);
    return c ? c : order(x->CmdCode, y->CmdCode);
}

// A new record mirrored by a MessageInfo instance in _message_handlers.
HandlerRecord *make_record()
{
    HandlerRecord *r = (HandlerRecord *)LI_Malloc(sizeof(HandlerRecord));
    memset(r, 0, sizeof *r);
    LiValue symbol = li_SymbolFind("_message_handlers");
    if (!mirror) {
        ProtectedSlot made(li_CreateArray(0));
        mirror = made;
        li_SymbolSetValue(symbol, mirror);
        // Rebinding _message_handlers must not let the collector take the handlers' instances
        // (and with them the expressions the window still runs).
        li_SymbolSetValue(li_SymbolFind("_message_handlers_kept"), mirror);
    }
    if (!message_info_class)
        message_info_class = li_MakeClass("MessageInfo", Nil, Nil, message_info_fields, message_info_size, nullptr, nullptr);
    LiValue array = li_SymbolValue(symbol);
    ProtectedSlot instance(li_CreateInstance(message_info_class, r, 1));
    if (li_Tag(array) == LI_ARRAY) li_Aset(array, li_Length(array), instance);
    if (array != mirror) li_Aset(mirror, li_Length(mirror), instance);
    r->instance = instance;
    r->registered = 1;
    return r;
}

void release_record(void *item)
{
    HandlerRecord *r = (HandlerRecord *)item;
    if (r->registered) {
        UT_Array *items = li_ArrayStorage(mirror);
        for (int i = 0; i < items->count; i++) {
            if (items->items[i] == (void *)r->instance) {
                UT_ArrayRemove(items, i);
                break;
            }
        }
        li_DestroyInstance(r->instance, LI_DESTROY_KEEP_DATA);
    }
    LI_Free(r);
}

LiValue add_handler(UT_Array *list, UT_Compare compare, HandlerRecord *key, LiValue expression)
{
    HandlerRecord *r = make_record();
    r->Msg = key->Msg;
    r->CmdCode = key->CmdCode;
    r->CmdID = key->CmdID;
    r->NotifyCtrl = key->NotifyCtrl;
    r->NotifyCode = key->NotifyCode;
    r->Expression = expression;
    r->kind = key->kind;
    r->command_id = key->command_id;
    // After any handler of the same key: equal keys run in the order they were registered.
    int found = 0;
    int at = UT_ArraySearch(list, r, compare, &found);
    while (found && at < list->count && compare(list->items[at], r) == 0) at++;
    UT_ArrayAdd(list, at, r);
    return r->instance;
}

// The handler's expression sees the message's values as locals.
LiValue run_message_handler(LiValue expression, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return run_handler(expression, [&] {
        bind_local("uMsg", [&] { return li_CreateLong((int32_t)uMsg); });
        bind_local("wParam", [&] { return li_CreateLong((int32_t)wParam); });
        bind_local("lParam", [&] { return li_CreateLong((int32_t)lParam); });
    });
}

LiValue run_notify_handler(LiValue expression, int idCtrl, NMHDR *pnmh)
{
    return run_handler(expression, [&] {
        // A view of the sender's memory: valid only while the handler runs.
        bind_local("pnmh", [&] { return li_CreateInstance(made_class(cls_NMHDR), pnmh, 0); });
        bind_local("idCtrl", [&] { return li_CreateLong(idCtrl); });
    });
}

LiValue run_command_handler(LiValue expression, WORD wNotifyCode, uint32_t wID, HWND hWndCtl)
{
    return run_handler(expression, [&] {
        bind_local("wNotifyCode", [&] { return li_CreateLong(wNotifyCode); });
        bind_local("wID", [&] { return li_CreateLong((int32_t)wID); });
        bind_local("hWndCtl", [&] { return li_CreateLong((int32_t)(uintptr_t)hWndCtl); });
    });
}

// Runs every record equal to key that accept takes, first to last; nullptr when none ran.
template <class Run, class Accept>
LiValue dispatch(UT_Array *list, UT_Compare compare, const HandlerRecord &key, Run run, Accept accept)
{
    if (!list) return nullptr;
    int found = 0;
    int i = UT_ArraySearch(list, &key, compare, &found);
    if (!found) return nullptr;
    while (i > 0 && compare(list->items[i - 1], &key) == 0) i--;
    ProtectedSlot latest; // rooted while later handlers run
    bool ran = false;
    // The list is read afresh each step: a handler may add handlers to this very window.
    for (; i < list->count && compare(list->items[i], &key) == 0; i++) {
        const HandlerRecord *r = (const HandlerRecord *)list->items[i];
        if (!accept(*r)) continue;
        latest = run(r->Expression);
        ran = true;
    }
    return ran ? latest.get() : nullptr;
}

template <class Run> LiValue dispatch(UT_Array *list, UT_Compare compare, const HandlerRecord &key, Run run)
{
    return dispatch(list, compare, key, run, [](const HandlerRecord &) { return true; });
}

} // namespace

LiValue dispatch_message(SWindowBase *w, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    HandlerRecord key = {};
    key.Msg = uMsg;
    return dispatch(w->handlers.messages, compare_message, key,
                    [&](LiValue e) { return run_message_handler(e, uMsg, wParam, lParam); });
}

LiValue dispatch_notify(SWindowBase *w, int idCtrl, NMHDR *pnmh)
{
    HandlerRecord key = {};
    key.NotifyCtrl = idCtrl;
    key.NotifyCode = (int32_t)pnmh->code;
    return dispatch(w->handlers.notifies, compare_notify, key, [&](LiValue e) { return run_notify_handler(e, idCtrl, pnmh); });
}

LiValue dispatch_command(SWindowBase *w, WORD code, uint32_t id, HWND hWndCtl)
{
    HandlerRecord key = {};
    key.CmdCode = code;
    key.CmdID = LOWORD(id);
    // Ids that share their low half are told apart by the whole id; a handler given only a low
    // half takes every sender with it, and so does one whose CmdID a script has changed since.
    auto names_sender = [&](const HandlerRecord &r) {
        return r.command_id <= 0xFFFF || LOWORD(r.command_id) != r.CmdID || r.command_id == id;
    };
    return dispatch(
        w->handlers.commands, compare_command, key, [&](LiValue e) { return run_command_handler(e, code, id, hWndCtl); },
        names_sender);
}

bool handler_result(LiValue value, LRESULT &result)
{
    if (!value || li_Tag(value) == LI_NIL) return false;
    result = li_NumberP(value) ? (LRESULT)li_LVal(value) : 0;
    return true;
}

void release_handler_lists(SavraMessageHandler *h)
{
    UT_Array **lists[] = {&h->messages, &h->notifies, &h->commands};
    for (UT_Array **l : lists) {
        if (*l) UT_ArrayDestroy(*l, release_record);
        *l = nullptr;
    }
}

LiValue MessageHandler_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    HandlerRecord key = {};
    key.Msg = (UINT)integer_arg(ArgBase[1]);
    key.kind = MESSAGE;
    return add_handler(w->handlers.messages, compare_message, &key, ArgBase[2]);
}

LiValue NotifyHandler_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    HandlerRecord key = {};
    key.NotifyCode = integer_arg(ArgBase[1]);
    key.NotifyCtrl = integer_arg(ArgBase[2]);
    key.kind = NOTIFY;
    return add_handler(w->handlers.notifies, compare_notify, &key, ArgBase[3]);
}

LiValue CommandHandler_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    HandlerRecord key = {};
    key.CmdCode = (WORD)integer_arg(ArgBase[1]);
    key.command_id = (uint32_t)integer_arg(ArgBase[2]);
    key.CmdID = LOWORD(key.command_id);
    key.kind = COMMAND;
    return add_handler(w->handlers.commands, compare_command, &key, ArgBase[3]);
}

} // namespace savrawin
