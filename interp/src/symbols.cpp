// The symbol table (hashed, O(1) lookup) and shallow dynamic binding.
//
// A symbol's second word is its global value, or the value of its innermost dynamic binding.
// Binding a special variable pushes the old value on the binding stack and stores the new one;
// leaving the scope restores it. Lookup is therefore one load, and a binding made by the callback
// bridge is seen by every function it calls. (Lexical variables are frame slots: compile.cpp.)
#include "internal.h"

#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace {
SymbolRec **table = nullptr;
uint32_t table_size = 0;
uint32_t symbol_count = 0;

void grow()
{
    uint32_t nsize = table_size ? table_size * 2 : 16384;
    SymbolRec **nt = (SymbolRec **)calloc(nsize, sizeof *nt);
    if (!nt) abort();
    for (uint32_t i = 0; i < table_size; i++) {
        SymbolRec *r = table[i];
        while (r) {
            SymbolRec *next = r->next;
            uint32_t k = r->hash & (nsize - 1);
            r->next = nt[k];
            nt[k] = r;
            r = next;
        }
    }
    free(table);
    table = nt;
    table_size = nsize;
}

// Symbols are carved from their own blocks: they never die, and every symbol is visited by walking
// the blocks, which is cheaper than walking the table's buckets.
const int BLOCK_CELLS = 4096;
std::vector<LiCell *> symbol_blocks;
int symbol_cells_left = 0;

LiValue new_symbol_cell()
{
    if (!symbol_cells_left) {
        LiCell *block = (LiCell *)calloc(BLOCK_CELLS, sizeof(LiCell));
        if (!block) abort();
        symbol_blocks.push_back(block);
        symbol_cells_left = BLOCK_CELLS;
    }
    return &symbol_blocks.back()[BLOCK_CELLS - symbol_cells_left--];
}

template <class F> void each_symbol(F f)
{
    for (size_t b = 0; b < symbol_blocks.size(); b++) {
        int used = b + 1 < symbol_blocks.size() ? BLOCK_CELLS : BLOCK_CELLS - symbol_cells_left;
        for (int i = 0; i < used; i++) f(&symbol_blocks[b][i]);
    }
}
} // namespace

Binding *g_bindings = nullptr;
int g_bind_top = 0;
static int bind_capacity = 0;

// The symbol in hash's bucket whose name same() accepts; names are compared on a hash match only.
template <class Same> static LiValue find_symbol(uint32_t hash, Same same)
{
    if (!table) return nullptr;
    for (SymbolRec *r = table[hash & (table_size - 1)]; r; r = r->next)
        if (r->hash == hash && same(sym_name(r->sym))) return r->sym;
    return nullptr;
}

LiValue symbol_lookup(const char *name, size_t len, uint32_t hash)
{
    return find_symbol(hash, [&](const char *s) { return strncmp(s, name, len) == 0 && s[len] == 0; });
}

LiValue symbol_lookup_hashed(const char *name, uint32_t hash)
{
    return find_symbol(hash, [&](const char *s) { return strcmp(s, name) == 0; });
}

LiValue intern_n(const char *name, size_t len)
{
    if (!table) grow();
    uint32_t h = name_hash(name, len);
    if (LiValue found = symbol_lookup(name, len, h)) return found;
    if (symbol_count * 2 >= table_size) grow();
    char *copy = permanent_string(name, len);
    SymbolRec *rec = (SymbolRec *)permanent_alloc(sizeof *rec);
    LiValue s = new_symbol_cell();
    s->hdr = (LI_SYMBOL << 1) | LI_HDR_STATIC;
    s->w1 = W(copy);
    s->w2 = W(constant_value(copy, len, h)); // Undef unless an installed table names it
    s->w3 = W(rec);
    rec->sym = s;
    rec->hash = h;
    rec->member = nullptr;
    // ".Name" calls a method, ".-name" reads a field; a lone "." or ".." is an ordinary symbol.
    if (len >= 3 && name[0] == '.' && name[1] == '-') {
        rec->kind = SYM_FIELD;
        rec->member = intern_n(name + 2, len - 2);
    } else if (len >= 2 && name[0] == '.' && name[1] != '.' && name[1] != '-') {
        rec->kind = SYM_METHOD;
        rec->member = intern_n(name + 1, len - 1);
    }
    uint32_t k = h & (table_size - 1);
    rec->next = table[k];
    table[k] = rec;
    symbol_count++;
    define_deferred(s, h); // once the symbol is in the table, where the definition finds it
    return s;
}

LiValue intern(const char *name) { return intern_n(name, strlen(name)); }

void symbols_each(void (*f)(LiValue sym, void *ctx), void *ctx)
{
    each_symbol([&](LiValue sym) { f(sym, ctx); });
}

void bind(LiValue sym, LiValue value)
{
    if (g_bind_top == bind_capacity) {
        int ncap = bind_capacity ? bind_capacity * 2 : 4096;
        Binding *nb = (Binding *)realloc(g_bindings, sizeof(Binding) * ncap);
        if (!nb) li_Error("Out of memory");
        g_bindings = nb;
        bind_capacity = ncap;
    }
    g_bindings[g_bind_top].sym = sym;
    g_bindings[g_bind_top].old = sym_value(sym);
    g_bind_top++;
    sym_set(sym, value);
}

void unbind_to(int top)
{
    while (g_bind_top > top) {
        g_bind_top--;
        sym_set(g_bindings[g_bind_top].sym, g_bindings[g_bind_top].old);
    }
}

// ---- embedding interface ----------------------------------------------------------------------

LiValue li_SymbolFind(const char *name) { return intern(name); }

LiValue li_SymbolValue(LiValue sym)
{
    if (li_Tag(sym) != LI_SYMBOL) li_TypeError(sym, LI_TYPE_SYMBOL);
    return sym_value(sym);
}

LiValue li_SymbolSetValue(LiValue sym, LiValue v)
{
    if (li_Tag(sym) != LI_SYMBOL) li_TypeError(sym, LI_TYPE_SYMBOL);
    sym_set(sym, v);
    return v;
}

int li_EnterSubScope(void) { return g_bind_top; }

void li_ExitSubScope(int token) { unbind_to(token); }

// The names an embedding binds for the code it evaluates (a handler's uMsg, wParam, ...) are
// special from their first binding on: a script that binds one binds it dynamically too.
void li_SetLocal(LiValue sym, LiValue v)
{
    if (li_Tag(sym) != LI_SYMBOL) li_TypeError(sym, LI_TYPE_SYMBOL);
    proclaim_special(sym);
    bind(sym, v);
}
