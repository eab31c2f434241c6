// Classes, instances, structure fields and methods.
//
// A class record (savra.h) carries its native field table; the interpreter adds a hashed index of
// every field the class can reach (own and inherited) and a hashed method table, so a field read
// is one lookup plus one accessor call and a method call never walks a list.
#include "internal.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <map>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct ClassExtra {
    std::unordered_map<LiValue, FieldRef> fields; // built on first use
    bool fields_built = false;
    std::unordered_map<LiValue, Method> methods;
    std::vector<uint32_t> cell_offsets; // FT_CELL fields, inherited included
    std::vector<LiValue> slot_names;    // script fields, inherited first
    // The class whose hooks make and end this class's instances: itself when it has a constructor
    // or destructor hook of its own, else its superclass's owner; Nil for none.
    LiValue hook_owner;
    // Bytes from the data pointer that the class's fields (inherited included) are known to reach.
    uint32_t reach = 0;
    const LiMemberHooks *hooks = nullptr; // members resolved at the time of use (li_ResolveMembers)
    // A module's methods for the class, registered on their first need (li_DeferMethods).
    void (*pending_methods)(LiValue cls, void *context) = nullptr;
    void *pending_context = nullptr;
};

std::vector<LiValue> all_classes;

// Blocks that instances own, by address: instance-at over memory inside one makes a view that
// keeps its owner alive, and refuses one that would reach past it.
std::map<uintptr_t, LiValue> owned_blocks;

inline ClassExtra *extra(LiValue cls) { return (ClassExtra *)li_ClassRecord(cls)->methods; }
inline LiClassRecord *rec(LiValue cls) { return li_ClassRecord(cls); }

// The class's method table, with any methods a module left for their first need registered: they
// stand before whatever is asked or defined now, as if registered when the module loaded.
std::unordered_map<LiValue, Method> &methods_of(LiValue cls)
{
    ClassExtra *x = extra(cls);
    if (auto install = x->pending_methods) {
        x->pending_methods = nullptr;
        install(cls, x->pending_context);
    }
    return x->methods;
}

// The fewest bytes a field occupies. A string field is at least a pointer; an embedded array is
// wider, and its accessors check their capacity against the instance's data size themselves. A
// structure field is checked when its view is made (li_CreateView).
uint32_t field_width(const LiStrucField *f)
{
    switch (LI_FIELD_TYPE(f)) {
    case FT_SHORT:
    case FT_USHORT: return 2;
    case FT_UCHAR:
    case FT_STRUCT: return 1;
    default: return 4;
    }
}

LiValue owner_of(LiValue cls) { return extra(cls)->hook_owner; }

void default_instance_hook(LiValue inst)
{
    LiValue owner = owner_of(li_InstanceBody(inst)->cls);
    LiDestructorHook dtor = li_Tag(owner) == LI_CLASS ? rec(owner)->dtor : nullptr;
    if (dtor) dtor(inst);
    else li_StrucBasicDestructor(inst);
}

LiValue new_class_cell(const char *name, LiValue super, LiValue second, const LiStrucField *fields, uint32_t size,
                       bool own_hooks)
{
    // Classes are never destroyed: their records are permanent memory (permanent.cpp).
    LiClassRecord *r = (LiClassRecord *)permanent_alloc(sizeof(LiClassRecord));
    ClassExtra *x = new (permanent_alloc(sizeof(ClassExtra))) ClassExtra();
    LiValue sym = intern(name);
    r->name = sym;
    r->super = li_Tag(super) == LI_CLASS ? super : Nil;
    r->second = second ? second : Nil;
    r->fields = fields;
    r->size = size;
    r->methods = x;
    r->slotNames = Nil;
    x->hook_owner = Nil;
    if (li_Tag(r->super) == LI_CLASS) {
        ClassExtra *sx = extra(r->super);
        x->cell_offsets = sx->cell_offsets;
        x->slot_names = sx->slot_names;
        x->hook_owner = sx->hook_owner;
        x->reach = sx->reach;
        r->nslots = rec(r->super)->nslots;
    }
    const char *farthest = nullptr;
    for (const LiStrucField *f = fields; f && f->name; f++) {
        if (LI_FIELD_TYPE(f) == FT_CELL) x->cell_offsets.push_back(LI_FIELD_OFFSET(f));
        uint32_t end = LI_FIELD_OFFSET(f) + field_width(f);
        if (end > x->reach) {
            x->reach = end;
            farthest = f->name;
        }
    }
    if (x->reach > size || (!own_hooks && li_Tag(x->hook_owner) == LI_CLASS && rec(x->hook_owner)->ctor &&
                            size > rec(x->hook_owner)->size)) {
        uint32_t reach = x->reach;
        LiValue owner = x->hook_owner;
        x->~ClassExtra();
        if (reach <= size)
            errorf("Class %s has no constructor of its own: %s's makes %u bytes, the class needs %u", name,
                   sym_name(rec(owner)->name), rec(owner)->size, size);
        if (farthest) errorf("Class %s: field %s ends at byte %u, past the class's %u bytes", name, farthest, reach, size);
        errorf("Class %s: its superclass's fields reach byte %u, past the class's %u bytes", name, reach, size);
    }
    LiValue cls = permanent_cell(LI_CLASS);
    cls->w2 = W(r);
    if (own_hooks) x->hook_owner = cls;
    all_classes.push_back(cls);
    sym_set(sym, cls);
    return cls;
}

bool word_field(const LiStrucField *f)
{
    uint32_t t = LI_FIELD_TYPE(f);
    return t == FT_LONG || t == FT_ULONG || t == FT_INT || t == FT_UINT;
}

void build_field_index(LiValue cls)
{
    ClassExtra *x = extra(cls);
    if (x->fields_built) return;
    LiClassRecord *r = rec(cls);
    if (li_Tag(r->super) == LI_CLASS) {
        build_field_index(r->super);
        x->fields = extra(r->super)->fields;
    }
    for (const LiStrucField *f = r->fields; f && f->name; f++) x->fields[intern(f->name)] = FieldRef{f, -1, LI_FIELD_OFFSET(f) + field_width(f), word_field(f)};
    int first = r->nslots - li_Length(r->slotNames);
    int i = first;
    for (LiValue s = r->slotNames; consp(s); s = cdr(s)) x->fields[car(s)] = FieldRef{nullptr, i++, 0, false};
    x->fields_built = true;
}

LiValue class_of_instance(LiValue inst) { return li_InstanceBody(inst)->cls; }

[[noreturn]] void no_field(LiValue inst, LiValue name)
{
    errorf("Class %s has no field %s", sym_name(rec(class_of_instance(inst))->name), sym_name(name));
}

void *field_address(LiValue inst, const LiStrucField *f, LiValue name)
{
    LiInstanceBody *b = li_InstanceBody(inst);
    char *data = (char *)b->data;
    if (!data)
        errorf("Field %s of a %s instance: the instance has no native data", sym_name(name), sym_name(rec(b->cls)->name));
    for (LiValue p = b->parent; p; p = li_InstanceBody(p)->parent)
        if (li_Tag(p) != LI_INSTANCE)
            errorf("Field %s of a %s view: the instance it lies in was destroyed", sym_name(name), sym_name(rec(b->cls)->name));
    uint32_t end = LI_FIELD_OFFSET(f) + field_width(f);
    if (end > b->size)
        errorf("Field %s of a %s instance ends at byte %u, past the instance's %u bytes of data", sym_name(name),
               sym_name(rec(b->cls)->name), end, b->size);
    return data + LI_FIELD_OFFSET(f);
}

} // namespace

// ---- interface for the evaluator ---------------------------------------------------------------------

uint32_t g_method_epoch = 1;

LiValue find_method_entry(LiValue cls, LiValue name, Method **out)
{
    SymbolRec *r = sym_rec(name);
    if (r->method_cls == cls && r->method_epoch == g_method_epoch) {
        *out = r->method;
        return r->method_owner;
    }
    for (LiValue c = cls; li_Tag(c) == LI_CLASS; c = rec(c)->super) {
        auto &m = methods_of(c);
        auto it = m.find(name);
        if (it != m.end()) {
            *out = &it->second;
            r->method_cls = cls;
            r->method_owner = c;
            r->method = &it->second;
            r->method_epoch = g_method_epoch;
            return c;
        }
    }
    *out = nullptr;
    return Nil;
}

// A class's field index never changes once built, and its entries stay where they are.
const FieldRef *find_field(LiValue cls, LiValue name)
{
    SymbolRec *r = sym_rec(name);
    if (r->field_cls == cls) return r->field;
    ClassExtra *x = extra(cls);
    if (!x->fields_built) build_field_index(cls);
    auto it = x->fields.find(name);
    if (it == x->fields.end()) return nullptr;
    r->field_cls = cls;
    r->field = &it->second;
    return &it->second;
}

static void need_instance(LiValue inst, LiValue name)
{
    if (li_Tag(inst) != LI_INSTANCE) {
        LiValue s = value_to_string(inst, false);
        errorf("Field %s: instance expected, got %.80s", sym_name(name), str_bytes(s));
    }
}

const LiMemberHooks *member_hooks(LiValue cls)
{
    for (LiValue c = cls; li_Tag(c) == LI_CLASS; c = rec(c)->super)
        if (extra(c)->hooks) return extra(c)->hooks;
    return nullptr;
}

void li_ResolveMembers(LiValue cls, const LiMemberHooks *hooks)
{
    if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
    extra(cls)->hooks = hooks;
}

LiValue field_get(LiValue inst, LiValue name)
{
    need_instance(inst, name);
    const FieldRef *f = find_field(class_of_instance(inst), name);
    if (!f) {
        const LiMemberHooks *h = member_hooks(class_of_instance(inst));
        if (h && h->get) return h->get(inst, name);
        no_field(inst, name);
    }
    if (!f->f) return li_InstanceBody(inst)->slots[f->slot];
    return f->f->get(inst, field_address(inst, f->f, name));
}

LiValue field_set(LiValue inst, LiValue name, LiValue value)
{
    need_instance(inst, name);
    const FieldRef *f = find_field(class_of_instance(inst), name);
    if (!f) {
        const LiMemberHooks *h = member_hooks(class_of_instance(inst));
        if (h && h->set) return h->set(inst, name, value);
        no_field(inst, name);
    }
    if (!f->f) return li_InstanceBody(inst)->slots[f->slot] = value;
    if (!f->f->set)
        errorf("Field %s of %s cannot be assigned as a whole", sym_name(name), sym_name(rec(class_of_instance(inst))->name));
    return f->f->set(inst, field_address(inst, f->f, name), f->f, value);
}

LiValue make_script_class(LiValue name, LiValue super, LiValue slotNames)
{
    uint32_t size = li_Tag(super) == LI_CLASS ? rec(super)->size : 0;
    LiValue cls = new_class_cell(sym_name(name), super, Nil, nullptr, size, false);
    LiClassRecord *r = rec(cls);
    ClassExtra *x = extra(cls);
    for (LiValue s = slotNames; consp(s); s = cdr(s)) {
        if (li_Tag(car(s)) != LI_SYMBOL) li_TypeError(car(s), LI_TYPE_SYMBOL);
        x->slot_names.push_back(car(s));
        r->nslots++;
    }
    r->slotNames = slotNames;
    return cls;
}

void define_script_method(LiValue cls, LiValue name, LiValue closure)
{
    Method &m = methods_of(cls)[name];
    m.native = nullptr;
    m.closure = closure;
    g_method_epoch++;
}

LiValue new_instance(LiValue cls, LiValue args)
{
    LiValue *base = ArgTop;
    push(args);
    LiValue inst = make_instance(cls, nullptr, 0);
    push(inst);
    LiConstructorHook ctor = class_constructor(cls);
    LiValue r;
    if (ctor) {
        r = ctor(inst, nullptr, 0, args);
    } else {
        uint32_t size = rec(cls)->size;
        void *data = size ? calloc(1, size) : nullptr;
        if (size && !data) li_Error("Out of memory");
        r = li_StrucBasicConstructor(inst, data, size ? 1 : 0, args);
    }
    push(r);
    check_constructed(r);
    // A script class may define init; it runs with the constructor's arguments.
    Method *m = nullptr;
    if (li_Tag(r) == LI_INSTANCE && (find_method_entry(class_of_instance(r), S_init, &m), m)) {
        LiValue *b = ArgTop;
        push(r);
        int argc = 0;
        for (LiValue a = args; consp(a); a = cdr(a), argc++) push(car(a));
        call_method(r, S_init, b + 1, argc);
    }
    ArgTop = base;
    return r;
}

LiConstructorHook class_constructor(LiValue cls)
{
    LiValue owner = owner_of(cls);
    return li_Tag(owner) == LI_CLASS ? rec(owner)->ctor : nullptr;
}

LiInstanceHook class_instance_hook(LiValue cls)
{
    LiValue owner = owner_of(cls);
    LiInstanceHook hook = li_Tag(owner) == LI_CLASS ? rec(owner)->destroy : rec(cls)->destroy;
    return hook ? hook : default_instance_hook;
}

// What a constructor made must hold the class's fields; an instance that does not is ended (its
// hooks release what they made) before the error.
void check_constructed(LiValue inst)
{
    if (li_Tag(inst) != LI_INSTANCE) return;
    LiInstanceBody *b = li_InstanceBody(inst);
    uint32_t reach = extra(b->cls)->reach, size = b->size;
    if (!b->data || size >= reach) return;
    const char *name = sym_name(rec(b->cls)->name);
    destroy_instance(inst, 0);
    errorf("%s: the constructor made %u bytes of data, the class's fields reach byte %u", name, size, reach);
}

void owned_block_forget(LiValue inst)
{
    LiInstanceBody *b = li_InstanceBody(inst);
    if (!b || !b->data) return;
    auto it = owned_blocks.find((uintptr_t)b->data);
    if (it != owned_blocks.end() && it->second == inst) owned_blocks.erase(it);
}

LiValue owned_block_containing(uintptr_t address)
{
    auto it = owned_blocks.upper_bound(address);
    if (it == owned_blocks.begin()) return nullptr;
    --it;
    LiInstanceBody *b = li_InstanceBody(it->second);
    return address < it->first + b->size ? it->second : nullptr;
}

int owned_block_count(void) { return (int)owned_blocks.size(); }

static LiValue view_inside(LiValue cls, LiValue parent, uintptr_t address)
{
    LiInstanceBody *pb = li_InstanceBody(parent);
    uintptr_t start = (uintptr_t)pb->data, size = rec(cls)->size;
    if (!pb->data || address < start || address + size > start + pb->size)
        errorf("A %s view at %+d bytes into a %s instance's %u bytes of data would reach past them",
               sym_name(rec(cls)->name), (int)(address - start), sym_name(rec(pb->cls)->name), pb->size);
    LiValue *base = ArgTop;
    push(parent);
    LiValue view = make_instance(cls, (void *)address, 0);
    li_InstanceBody(view)->parent = parent;
    ArgTop = base;
    return view;
}

LiValue view_at(LiValue cls, uintptr_t address)
{
    LiValue owner = owned_block_containing(address);
    return owner ? view_inside(cls, owner, address) : nullptr;
}

void classes_mark(void (*mark)(LiValue))
{
    for (LiValue cls : all_classes) {
        LiClassRecord *r = rec(cls);
        mark(r->second);
        mark(r->slotNames);
        for (auto &kv : extra(cls)->methods)
            if (kv.second.closure) mark(kv.second.closure);
    }
}

void instance_mark_fields(LiValue inst, void (*mark)(LiValue))
{
    LiInstanceBody *b = li_InstanceBody(inst);
    if (!b) return;
    LiClassRecord *r = rec(b->cls);
    if (b->parent) mark(b->parent);
    for (int i = 0; i < r->nslots; i++) mark(b->slots[i]);
    if (b->data)
        for (uint32_t off : extra(b->cls)->cell_offsets) {
            LiValue v;
            memcpy(&v, (char *)b->data + off, sizeof v);
            if (v) mark(v);
        }
}

int class_is_derived(LiValue cls, LiValue base)
{
    for (LiValue c = cls; li_Tag(c) == LI_CLASS; c = rec(c)->super)
        if (c == base) return 1;
    return 0;
}

size_t classes_made(void) { return all_classes.size(); }

void classes_place(size_t count, size_t at)
{
    if (at + count < all_classes.size()) std::rotate(all_classes.begin() + at, all_classes.end() - count, all_classes.end());
}

LiValue class_list(void)
{
    deferred_make_classes();
    LiValue *slot = ArgTop;
    push(Nil);
    for (auto it = all_classes.rbegin(); it != all_classes.rend(); ++it) *slot = li_Cons(rec(*it)->name, *slot);
    ArgTop = slot;
    return *slot;
}

// (NAME OFFSET TYPE-CODE) for each own field, in table order; script fields have no offset.
LiValue class_fields_list(LiValue cls)
{
    LiClassRecord *r = rec(cls);
    LiValue *base = ArgTop;
    push(Nil); // result, built in reverse
    auto add = [&](const char *name, LiValue offset, int type) {
        LiValue *t = ArgTop;
        push(offset);
        push(li_Cons(li_CreateLong(type), Nil));
        t[1] = li_Cons(t[0], t[1]);
        push(li_CreateString(name));
        t[1] = li_Cons(t[2], t[1]);
        base[0] = li_Cons(t[1], base[0]);
        ArgTop = t;
    };
    for (const LiStrucField *f = r->fields; f && f->name; f++) add(f->name, li_CreateLong(LI_FIELD_OFFSET(f)), LI_FIELD_TYPE(f));
    for (LiValue s = r->slotNames; consp(s); s = cdr(s)) add(sym_name(car(s)), Nil, FT_CELL);
    LiValue list = Nil;
    for (LiValue l = base[0]; consp(l);) { // reverse in place
        LiValue next = cdr(l);
        l->w2 = W(list);
        list = l;
        l = next;
    }
    ArgTop = base;
    return list;
}

LiValue class_methods_list(LiValue cls)
{
    std::vector<std::string> names;
    for (auto &kv : methods_of(cls)) names.push_back(sym_name(kv.first));
    std::sort(names.begin(), names.end());
    LiValue *slot = ArgTop;
    push(Nil);
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        push(li_CreateString(it->c_str()));
        *slot = li_Cons(ArgTop[-1], *slot);
        ArgTop--;
    }
    ArgTop = slot;
    return *slot;
}

// ---- embedding interface ------------------------------------------------------------------------

LiValue li_MakeClass(const char *name, LiValue super, LiValue second, const LiStrucField *fields, uint32_t size,
                     LiConstructorHook ctor, LiDestructorHook dtor)
{
    LiValue cls = new_class_cell(name, super, second, fields, size, ctor || dtor);
    rec(cls)->ctor = ctor;
    rec(cls)->dtor = dtor;
    return cls;
}

static const char **copy_params(int n, va_list ap, uint32_t *flags)
{
    const char **params = n > 0 ? (const char **)permanent_alloc(sizeof(char *) * n) : nullptr;
    *flags = 0;
    for (int i = 0; i < n; i++) {
        params[i] = va_arg(ap, const char *);
        uint32_t f = va_arg(ap, uint32_t);
        if (f & LI_PARAM_REST) *flags = LI_PARAM_REST;
    }
    return params;
}

LiValue li_CLFunction(const char *name, LiEntry entry, int n, ...)
{
    va_list ap;
    va_start(ap, n);
    uint32_t flags;
    const char **params = copy_params(n, ap, &flags);
    va_end(ap);
    count_registration();
    return global_native_add(name, entry, n, params, flags);
}

// A function value bound to no name: a declaration made at run time, kept in a variable.
LiValue li_NativeFunction(const char *name, LiEntry entry, int n, const char *const *paramNames, uint32_t flags)
{
    NativeFn *rec = (NativeFn *)calloc(1, sizeof(NativeFn));
    const char **params = n > 0 ? (const char **)malloc(sizeof(char *) * n) : nullptr;
    char *kept = strdup(name);
    if (!rec || (n > 0 && !params) || !kept) {
        free(rec);
        free(params);
        free(kept);
        li_Error("Out of memory");
    }
    for (int i = 0; i < n; i++) params[i] = strdup(paramNames[i]);
    rec->name = kept;
    rec->cls = Nil;
    native_add_variant(rec, entry, n, params, flags & LI_PARAM_REST);
    LiValue fn = alloc_cell(LI_NATIVE);
    fn->w1 = W(rec);
    return fn;
}

LiValue li_DefCMethod(LiValue cls, const char *name, LiEntry entry, int n, ...)
{
    va_list ap;
    va_start(ap, n);
    uint32_t flags;
    const char **params = copy_params(n, ap, &flags);
    va_end(ap);
    if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
    LiValue sym = intern(name);
    Method &m = methods_of(cls)[sym];
    g_method_epoch++;
    if (!m.native) {
        // The record and its "Class::name" (for messages) in one piece of permanent memory.
        const char *class_name = sym_name(rec(cls)->name), *method_name = sym_name(sym);
        size_t class_len = strlen(class_name), len = strlen(method_name);
        m.native = (NativeFn *)permanent_alloc(sizeof(NativeFn) + class_len + 2 + len + 1);
        char *qualified = (char *)(m.native + 1);
        memcpy(qualified, class_name, class_len);
        memcpy(qualified + class_len, "::", 2);
        memcpy(qualified + class_len + 2, method_name, len);
        m.native->name = qualified;
        m.native->cls = cls;
        m.closure = nullptr;
    }
    native_add_variant(m.native, entry, n, params, flags);
    return sym;
}

void li_ReserveMethods(LiValue cls, int n)
{
    if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
    auto &methods = extra(cls)->methods;
    if (n > 0) methods.reserve(methods.size() + (size_t)n);
}

void li_DeferMethods(LiValue cls, void (*install)(LiValue, void *), void *context)
{
    if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
    methods_of(cls); // an earlier deferral is registered first, as it would have been
    extra(cls)->pending_methods = install;
    extra(cls)->pending_context = context;
    g_method_epoch++; // a name may remember an inherited method that these will shadow
}

int li_IsDerived(LiValue inst, LiValue cls)
{
    if (li_Tag(inst) != LI_INSTANCE) return 0;
    return class_is_derived(li_InstanceBody(inst)->cls, cls);
}

LiValue li_StrucSizedConstructor(LiValue inst, void *data, uint32_t size, int owned, LiValue)
{
    if (li_Tag(inst) != LI_INSTANCE) li_TypeError(inst, LI_TYPE_INSTANCE);
    LiInstanceBody *b = li_InstanceBody(inst);
    owned_block_forget(inst);
    b->data = data;
    b->size = data ? size : 0;
    b->flags = owned ? (b->flags | LI_BODY_OWNED) : (b->flags & ~LI_BODY_OWNED);
    if (owned && data) {
        owned_blocks[(uintptr_t)data] = inst;
        note_native_bytes(size);
    }
    return inst;
}

LiValue li_StrucBasicConstructor(LiValue inst, void *data, int owned, LiValue args)
{
    if (li_Tag(inst) != LI_INSTANCE) li_TypeError(inst, LI_TYPE_INSTANCE);
    return li_StrucSizedConstructor(inst, data, rec(li_InstanceBody(inst)->cls)->size, owned, args);
}

LiValue li_CreateView(LiValue cls, LiValue parent, void *addr)
{
    if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
    if (li_Tag(parent) != LI_INSTANCE) li_TypeError(parent, LI_TYPE_INSTANCE);
    return view_inside(cls, parent, (uintptr_t)addr);
}

void li_StrucBasicDestructor(LiValue inst)
{
    if (li_Tag(inst) != LI_INSTANCE) return;
    LiInstanceBody *b = li_InstanceBody(inst);
    if (!(b->flags & LI_BODY_OWNED) || !b->data) return;
    owned_block_forget(inst);
    for (LiValue c = b->cls; li_Tag(c) == LI_CLASS; c = rec(c)->super)
        for (const LiStrucField *f = rec(c)->fields; f && f->name; f++)
            if (f->release) f->release(inst, (char *)b->data + LI_FIELD_OFFSET(f));
    free(b->data);
    b->data = nullptr;
    b->flags &= ~LI_BODY_OWNED;
}

// ---- the interpreter's field accessors --------------------------------------------------------------

template <class T> static T load(const void *p)
{
    T v;
    memcpy(&v, p, sizeof v);
    return v;
}
template <class T> static void store(void *p, T v) { memcpy(p, &v, sizeof v); }

static int32_t need_number(LiValue v)
{
    if (!li_NumberP(v)) li_TypeError(v, LI_TYPE_NUMBER);
    return li_LVal(v);
}

#define INT_ACCESSORS(Name, T)                                                                           \
    LiValue li_StrucGet##Name(LiValue, void *addr) { return make_long((int32_t)load<T>(addr)); }         \
    LiValue li_StrucSet##Name(LiValue, void *addr, const LiStrucField *, LiValue v)                      \
    {                                                                                                    \
        store<T>(addr, (T)need_number(v));                                                               \
        return v;                                                                                        \
    }
INT_ACCESSORS(Int, int32_t)
INT_ACCESSORS(UInt, uint32_t)
INT_ACCESSORS(Long, int32_t)
INT_ACCESSORS(ULong, uint32_t)
INT_ACCESSORS(Short, int16_t)
INT_ACCESSORS(UShort, uint16_t)
INT_ACCESSORS(UChar, uint8_t)
#undef INT_ACCESSORS

LiValue li_StrucGetFloat(LiValue, void *addr) { return li_CreateReal(load<float>(addr)); }
LiValue li_StrucSetFloat(LiValue, void *addr, const LiStrucField *, LiValue v)
{
    if (!li_NumberP(v)) li_TypeError(v, LI_TYPE_NUMBER);
    store<float>(addr, (float)li_RVal(v));
    return v;
}

LiValue li_StrucGetCell(LiValue, void *addr)
{
    LiValue v = load<LiValue>(addr);
    return v ? v : Nil;
}
LiValue li_StrucSetCell(LiValue, void *addr, const LiStrucField *, LiValue v)
{
    store<LiValue>(addr, v);
    return v;
}

LiValue li_StrucGetStringPtr(LiValue, void *addr)
{
    const char *s = load<const char *>(addr);
    return s ? li_CreateString(s) : Nil;
}
LiValue li_StrucSetStringPtrNA(LiValue, void *addr, const LiStrucField *, LiValue v)
{
    if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
    store<const char *>(addr, str_bytes(v));
    return v;
}
