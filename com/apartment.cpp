// COM for the interpreter's thread and the references scripts hold.
#include "com.h"

#include <ole2.h>

#include <stdlib.h>
#include <vector>

namespace savrawin::com {

namespace {
bool started = false;
} // namespace
Held *live = nullptr;                // every block that still holds its reference
std::vector<IUnknown *> pending;     // references of collected objects, released at the next safe point

bool ensure_apartment(HRESULT *hr)
{
    if (started) return true;
    // OleInitialize: a single-threaded apartment, and what drag and drop and the clipboard's
    // objects need too. S_FALSE: the host had started one already; that one is ours to end too.
    *hr = OleInitialize(nullptr);
    if (FAILED(*hr)) return false;
    started = true;
    return true;
}

void release_pending()
{
    // a release may re-enter (a server's call back into script that makes and drops objects)
    while (!pending.empty()) {
        IUnknown *u = pending.back();
        pending.pop_back();
        u->Release();
    }
}

void link_held(Held *h)
{
    h->prev = nullptr;
    h->next = live;
    if (live) live->prev = h;
    live = h;
}

void unlink_held(Held *h, bool deferred)
{
    if (!h->unknown) return;
    if (h->prev) h->prev->next = h->next;
    else live = h->next;
    if (h->next) h->next->prev = h->prev;
    h->prev = h->next = nullptr;
    IUnknown *u = h->unknown;
    h->unknown = nullptr;
    h->dispatch = nullptr;
    delete h->own_ids;
    h->own_ids = nullptr;
    if (deferred) pending.push_back(u);
    else u->Release();
}

void end_apartment()
{
    if (!started) return;
    while (live) unlink_held(live, false);
    release_pending();
    started = false;
    OleUninitialize();
}

} // namespace savrawin::com

// For benchmarks and soaks: references scripts hold, queued ones included.
extern "C" __declspec(dllexport) int SavraComReferenceCount(void)
{
    int n = (int)savrawin::com::pending.size();
    for (savrawin::com::Held *h = savrawin::com::live; h; h = h->next) n++;
    return n;
}
