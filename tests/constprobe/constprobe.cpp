// A test module that watches another module's initialiser from the outside: (cp-watch "NAME")
// loads NAME.dll, which hands its initialiser to the interpreter without running it, and points
// NAME's imports of li_InitConstants (or li_InitIndexedConstants), li_MakeClass and li_FuncCacheSort
// at recorders here. When the script then calls (load-module "NAME") the initialiser runs against
// the recorders, which note each call and what the symbol table held at that moment, and pass the
// call on. Nothing of the watched module is changed but its import table.
//
// (cp-events) lists the calls in order:
//   ("constants" COUNT DISTINCT BOUND SAME T1)  a constant table: entries, distinct names among
//                                              them, how many were already bound, how many of
//                                              those to the entry's value
//   ("class" NAME T1)                          li_MakeClass
//   ("sort" RESULT T1)                         li_FuncCacheSort
// where T1 counts the entries of the first recorded table bound to their value at that moment.
// (cp-bound TABLE) counts the entries of the first or second recorded table bound to their values
// now. (cp-entry TABLE I) gives entry I (from the end when negative) of the first or second
// recorded table as (NAME . VALUE); (cp-distinct) the distinct names of both tables together.
// (cp-release "NAME") drops the extra reference cp-watch took, after load-module has its own.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "savra.h"
#include "../../binding/protected_eval.h"

namespace {

struct Event {
    std::string kind, text;
    int32_t count, distinct, bound, same, t1;
};
std::vector<Event> events;
std::vector<std::pair<const LiConstant *, int>> tables;

void (*real_init_constants)(const LiConstant *, int);
void (*real_init_indexed_constants)(const LiConstant *, int, const LiConstantIndex *);
LiValue (*real_make_class)(const char *, LiValue, LiValue, const LiStrucField *, uint32_t, LiConstructorHook,
                           LiDestructorHook);
int (*real_func_cache_sort)(void);

bool bound_to(const char *name, int32_t value, bool *bound)
{
    LiValue v = li_SymbolValue(li_SymbolFind(name));
    *bound = v != Undef;
    return *bound && li_NumberP(v) && li_LVal(v) == value;
}

int32_t table_bound(size_t k)
{
    if (k >= tables.size()) return 0;
    int32_t n = 0;
    bool bound;
    for (int i = 0; i < tables[k].second; i++) n += bound_to(tables[k].first[i].name, tables[k].first[i].value, &bound);
    return n;
}
int32_t first_table_bound() { return table_bound(0); }

template <class Install> void record_constants(const LiConstant *table, int count, Install install)
{
    std::set<std::string> names;
    int32_t bound_before = 0, same = 0;
    for (int i = 0; i < count; i++) {
        bool bound;
        same += bound_to(table[i].name, table[i].value, &bound);
        bound_before += bound;
        names.insert(table[i].name);
    }
    tables.push_back({table, count});
    install();
    events.push_back({"constants", "", count, (int32_t)names.size(), bound_before, same, first_table_bound()});
}
void record_init_constants(const LiConstant *table, int count)
{
    record_constants(table, count, [&] { real_init_constants(table, count); });
}
void record_init_indexed_constants(const LiConstant *table, int count, const LiConstantIndex *index)
{
    record_constants(table, count, [&] { real_init_indexed_constants(table, count, index); });
}

LiValue record_make_class(const char *name, LiValue super, LiValue second, const LiStrucField *fields, uint32_t size,
                          LiConstructorHook ctor, LiDestructorHook dtor)
{
    events.push_back({"class", name, 0, 0, 0, 0, first_table_bound()});
    return real_make_class(name, super, second, fields, size, ctor, dtor);
}

int record_func_cache_sort(void)
{
    int r = real_func_cache_sort();
    events.push_back({"sort", "", r, 0, 0, 0, first_table_bound()});
    return r;
}

// Points one import of MODULE from DLL at HOOK; returns the address it held, or null.
void *patch_import(HMODULE module, const char *dll, const char *function, void *hook)
{
    BYTE *base = (BYTE *)module;
    IMAGE_NT_HEADERS *nt = (IMAGE_NT_HEADERS *)(base + ((IMAGE_DOS_HEADER *)base)->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR *imp = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); imp->Name; imp++) {
        if (lstrcmpiA((const char *)(base + imp->Name), dll) != 0) continue;
        IMAGE_THUNK_DATA *slot = (IMAGE_THUNK_DATA *)(base + imp->FirstThunk);
        IMAGE_THUNK_DATA *named = (IMAGE_THUNK_DATA *)(base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
        for (; named->u1.AddressOfData; named++, slot++) {
            if (IMAGE_SNAP_BY_ORDINAL(named->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME *by_name = (IMAGE_IMPORT_BY_NAME *)(base + named->u1.AddressOfData);
            if (lstrcmpA((const char *)by_name->Name, function) != 0) continue;
            DWORD old;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &old);
            void *was = (void *)slot->u1.Function;
            slot->u1.Function = (DWORD_PTR)hook;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, old, &old);
            return was;
        }
    }
    return nullptr;
}

LiValue cp_watch()
{
    if (!li_StringP(ArgBase[0])) li_TypeError(ArgBase[0], LI_TYPE_NUMBER);
    std::string file = std::string(li_SVal(ArgBase[0])) + ".dll";
    HMODULE module = LoadLibraryA(file.c_str());
    if (!module) li_Error("cp-watch: cannot load the module");
    real_init_constants = (decltype(real_init_constants))patch_import(module, "libsavra.dll", "li_InitConstants",
                                                                      (void *)record_init_constants);
    real_init_indexed_constants = (decltype(real_init_indexed_constants))patch_import(
        module, "libsavra.dll", "li_InitIndexedConstants", (void *)record_init_indexed_constants);
    real_make_class = (decltype(real_make_class))patch_import(module, "libsavra.dll", "li_MakeClass", (void *)record_make_class);
    real_func_cache_sort =
        (decltype(real_func_cache_sort))patch_import(module, "libsavra.dll", "li_FuncCacheSort", (void *)record_func_cache_sort);
    if (!(real_init_constants || real_init_indexed_constants) || !real_make_class || !real_func_cache_sort)
        li_Error("cp-watch: an import was not found");
    return Nil;
}

// Conses v onto list; v stays reachable while the pair is made.
void push_front(savrawin::ProtectedSlot &list, LiValue v)
{
    savrawin::ProtectedSlot kept(v);
    list = li_Cons(kept, list);
}

LiValue cp_events()
{
    savrawin::ProtectedSlot rows, row;
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        row = Nil;
        if (it->kind == "constants") {
            for (int32_t n : {it->t1, it->same, it->bound, it->distinct, it->count}) push_front(row, li_CreateLong(n));
        } else {
            push_front(row, li_CreateLong(it->t1));
            push_front(row, it->kind == "class" ? li_CreateString(it->text.c_str()) : li_CreateLong(it->count));
        }
        push_front(row, li_CreateString(it->kind.c_str()));
        push_front(rows, row);
    }
    return rows;
}

LiValue cp_entry()
{
    int t = li_LVal(ArgBase[0]), i = li_LVal(ArgBase[1]);
    if (t < 1 || t > (int)tables.size()) li_Error("cp-entry: no such table recorded");
    const auto &table = tables[t - 1];
    if (i < 0) i += table.second;
    if (i < 0 || i >= table.second) li_Error("cp-entry: no such entry");
    savrawin::ProtectedSlot name(li_CreateString(table.first[i].name));
    return li_Cons(name, li_CreateLong(table.first[i].value));
}

// How many entries of the recorded table TABLE (1 or 2) are bound to their values now.
LiValue cp_bound()
{
    if (!li_NumberP(ArgBase[0])) li_TypeError(ArgBase[0], LI_TYPE_NUMBER);
    int t = li_LVal(ArgBase[0]);
    if (t < 1 || t > (int)tables.size()) li_Error("cp-bound: no such table recorded");
    return li_CreateLong(table_bound((size_t)t - 1));
}

// Drops the reference cp-watch took, once load-module holds its own.
LiValue cp_release()
{
    if (!li_StringP(ArgBase[0])) li_TypeError(ArgBase[0], LI_TYPE_NUMBER);
    HMODULE module = GetModuleHandleA((std::string(li_SVal(ArgBase[0])) + ".dll").c_str());
    if (module) FreeLibrary(module);
    return Nil;
}

LiValue cp_distinct()
{
    std::set<std::string> names;
    for (const auto &t : tables)
        for (int i = 0; i < t.second; i++) names.insert(t.first[i].name);
    return li_CreateLong((int32_t)names.size());
}

int constprobe_init(void)
{
    li_CLFunction("cp-watch", cp_watch, 1, "module", 0);
    li_CLFunction("cp-events", cp_events, 0);
    li_CLFunction("cp-entry", cp_entry, 2, "table", 0, "index", 0);
    li_CLFunction("cp-distinct", cp_distinct, 0);
    li_CLFunction("cp-bound", cp_bound, 1, "table", 0);
    li_CLFunction("cp-release", cp_release, 1, "module", 0);
    return li_FuncCacheSort();
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) LI_DeferDllInitialization(constprobe_init, nullptr);
    return TRUE;
}
