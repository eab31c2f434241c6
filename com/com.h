// Automation objects from script: what the files of com/ share.
//
//   apartment.cpp  COM for the interpreter's thread, the live references and their release
//   variant.cpp    script values <-> VARIANTs
//   invoke.cpp     names to DISPIDs (cached per type), IDispatch::Invoke, its errors
//   callback.cpp   a script function as an IDispatch a server calls back
//   describe.cpp   the type information as text
//   objects.cpp    the script classes, their member hooks and the script vocabulary
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <unordered_map>

#include "savra.h"

namespace savrawin::com {

// ---- apartment.cpp -------------------------------------------------------------------------------

// COM for this thread (a single-threaded apartment), started by the first use; false, with the
// reason in *hr, when it cannot start.
bool ensure_apartment(HRESULT *hr);
// Releases the references whose script values were collected since the last call. The collector
// only queues them: a release may call out of process and pump messages, which must not happen
// while it sweeps.
void release_pending();
// At unload: every live reference released, then COM ended for the thread.
void end_apartment();

// Per type of server object: the names its type information knows, resolved once.
struct ComType {
    ITypeInfo *info = nullptr; // the dispatch interface's, or null without type information
    std::string name;          // the type's name, "" when unknown
    std::unordered_map<LiValue, DISPID> ids;
};

// The native block of an automation object (SComObject) or enumerator (SComEnumerator): one
// reference, null once released. Live blocks are linked, so that unload releases what scripts
// still hold.
struct Held {
    IUnknown *unknown;      // the one reference
    IDispatch *dispatch;    // the same pointer when it is an IDispatch, else null (an enumerator)
    ComType *type;          // resolved on first use, then shared
    bool type_resolved;
    std::unordered_map<LiValue, DISPID> *own_ids; // names outside the type information
    Held *prev, *next;
};
void link_held(Held *h);
// Drops the reference (queued when from the collector) and unlinks the block.
void unlink_held(Held *h, bool deferred);

// ---- objects.cpp ---------------------------------------------------------------------------------

// The script classes.
extern LiValue object_class, enumerator_class, value_class, ref_class;
// A new SComObject holding unknown (one reference is taken); nil for null.
LiValue wrap_unknown(IUnknown *unknown);
// The type of h's object (its type information looked up once).
ComType *type_of(Held *h);

// ---- variant.cpp ---------------------------------------------------------------------------------

// v as a VARIANT in *out (cleared by the caller with VariantClear). On failure: false, with what
// was expected in *why; *out is then empty. A by-reference box (SComRef) is not converted here.
bool to_variant(LiValue v, VARIANT *out, const char **why);
// Whether v has a VARIANT form (lists are checked item by item), without converting it.
bool passable(LiValue v);
// The script value of *v (not cleared). Objects and arrays become SComObject instances and lists.
LiValue from_variant(const VARIANT *v);

// ---- invoke.cpp ----------------------------------------------------------------------------------

enum class Access : WORD {
    Call = DISPATCH_METHOD | DISPATCH_PROPERTYGET,
    Get = DISPATCH_PROPERTYGET | DISPATCH_METHOD,
    Put = DISPATCH_PROPERTYPUT,
    PutRef = DISPATCH_PROPERTYPUTREF,
};
// Resolves name (a symbol) on h's object and invokes it with args (script values, rooted by the
// caller); the result, or a script error naming the member.
LiValue invoke_member(Held *h, LiValue name, Access access, const LiValue *args, int argc);
// The same with a known DISPID (DISPID_VALUE, DISPID_NEWENUM); label names it in errors.
LiValue invoke_id(Held *h, DISPID id, const char *label, Access access, const LiValue *args, int argc);
// The HRESULT as the platform's text ("" when it has none), without the line end.
std::string hresult_text(HRESULT hr);

// ---- callback.cpp --------------------------------------------------------------------------------

// A new IDispatch (one reference) whose DISPID_VALUE calls function through the callback bridge.
IDispatch *make_callback(LiValue function);

// ---- describe.cpp --------------------------------------------------------------------------------

// The members of h's object by its type information: a new script string.
LiValue describe_object(Held *h);

} // namespace savrawin::com
