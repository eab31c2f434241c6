// Start-up, value predicates and readers, modules, files, the REPL and describe.
#include "internal.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <map>
#include <string.h>
#include <string>
#include <vector>

static LiCell nil_cell = {(LI_NIL << 1) | LI_HDR_STATIC, 0, 0, 0};
static LiCell undef_cell = {(LI_UNDEF << 1) | LI_HDR_STATIC, 0, 0, 0};
static LiCell stdout_cell = {(LI_STREAM << 1) | LI_HDR_STATIC, 1, 0, 0};
LiValue Nil = &nil_cell;
LiValue Undef = &undef_cell;
LiValue ErrorString = nullptr;
LiValue True = nullptr;
LiValue S_t, S_self, S_quote, S_rest, S_optional, S_catch, S_error_stack, S_init;

void gc_init_from_environment(void);

// ---- predicates and readers ------------------------------------------------------------------------

int li_NumberP(LiValue v) { return li_Tag(v) == LI_LONG || li_Tag(v) == LI_REAL; }
int li_StringP(LiValue v) { return li_Tag(v) == LI_STRING; }
int li_BufferP(LiValue v) { return li_Tag(v) == LI_STRING || li_Tag(v) == LI_BUFFER; }
int li_LongP(LiValue v) { return li_Tag(v) == LI_LONG; }
int li_InstanceP(LiValue v) { return li_Tag(v) == LI_INSTANCE; }

int32_t li_LVal(LiValue v)
{
    switch (li_Tag(v)) {
    case LI_LONG: return long_val(v);
    case LI_REAL: {
        double d = real_val(v);
        if (d != d) return 0;
        if (d >= 4294967296.0 || d <= -4294967296.0) return d < 0 ? INT32_MIN : INT32_MAX;
        return (int32_t)(uint32_t)(int64_t)d; // truncates toward zero, wraps like an integer
    }
    default: return 0;
    }
}

double li_RVal(LiValue v)
{
    switch (li_Tag(v)) {
    case LI_LONG: return long_val(v);
    case LI_REAL: return real_val(v);
    default: return 0.0;
    }
}

char *li_SVal(LiValue v) { return li_BufferP(v) ? str_bytes(v) : nullptr; }

// Whether all of [p, p + n) is committed memory that may be read (at least one byte is asked).
bool readable_memory(const void *p, size_t n)
{
    const char *at = (const char *)p, *end = at + (n ? n : 1);
    if (end < at) return false;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info;
        if (!VirtualQuery(at, &info, sizeof info) || info.State != MEM_COMMIT) return false;
        if (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) return false;
        at = (const char *)info.BaseAddress + info.RegionSize;
    }
    return true;
}

int li_Length(LiValue v)
{
    switch (li_Tag(v)) {
    case LI_STRING:
    case LI_BUFFER: return (int)str_len(v);
    case LI_ARRAY: return li_ArrayStorage(v)->count;
    case LI_CONS: {
        int n = 0;
        for (; consp(v); v = cdr(v)) n++;
        return n;
    }
    default: return 0;
    }
}

// ---- modules -------------------------------------------------------------------------------------------

// Lists in permanent memory and a buffer rather than strings and containers: under emulation the
// first run of each path through the code costs several microseconds, and a module is loaded once.
namespace {
struct PendingInit {
    int (*init)(void);
    const char *hook;
    PendingInit *next;
};
PendingInit *pending_first = nullptr, **pending_end = &pending_first; // in the order handed over
struct LoadedModule {
    HMODULE h;
    LoadedModule *next;
};
LoadedModule *modules = nullptr; // the last loaded first
char exe_dir[MAX_PATH]; // with its final separator; empty when unknown
} // namespace

void LI_DeferDllInitialization(int (*init)(void), const char *hookName)
{
    auto *p = (PendingInit *)permanent_alloc(sizeof(PendingInit));
    *p = {init, hookName, nullptr};
    *pending_end = p;
    pending_end = &p->next;
}

int li_LoadModule(const char *name)
{
    // name, with ".dll" unless it ends so, first beside the program when it names no folder
    size_t n = strlen(name), dir = strlen(exe_dir);
    const char *ext = n >= 4 && _stricmp(name + n - 4, ".dll") == 0 ? "" : ".dll";
    char path[2 * MAX_PATH];
    if (n + dir + 5 > sizeof path) return 1;
    const char *file = path + dir;
    memcpy(path, exe_dir, dir);
    memcpy(path + dir, name, n);
    strcpy(path + dir + n, ext);
    HMODULE h = nullptr;
    if (!strpbrk(name, "\\/")) h = LoadLibraryA(path);
    if (!h) h = LoadLibraryA(file);
    if (!h) return 1;
    for (LoadedModule *m = modules; m; m = m->next)
        if (m->h == h) {
            FreeLibrary(h); // keep one reference per module
            return 0;
        }
    auto *loaded = (LoadedModule *)permanent_alloc(sizeof(LoadedModule));
    *loaded = {h, modules};
    modules = loaded;
    // Initialisers handed over while the library loaded run now, on this thread, in the order
    // handed over; they are taken first, so that one that loads another module leaves that one's
    // to it. (One that fails leaves its module named as loading: still true of its image, which
    // stays mapped till the end.)
    PendingInit *run = pending_first;
    pending_first = nullptr;
    pending_end = &pending_first;
    void *outer = image_loading(h);
    for (; run; run = run->next) {
        run->init();
        if (run->hook) li_AttemptLispFunction(intern(run->hook), 0);
    }
    image_loading(outer);
    return 0;
}

void li_Shutdown(void)
{
    // Unload hooks run while the interpreter is still whole; their errors are reported here.
    image_loading(nullptr);
    while (modules) {
        HMODULE h = modules->h;
        modules = modules->next;
        jmp_buf jb;
        li_ErrorProtect(jb);
        if (setjmp(jb) == 0) {
            FreeLibrary(h);
            constants_forget_module(h);
            deferred_forget_module(h);
            li_ErrorFree();
        } else {
            li_ErrorFree();
            report_error();
        }
    }
    out_flush();
}

// ---- files and text ----------------------------------------------------------------------------------

static char *read_whole_file(const char *path, size_t *size)
{
    FILE *f = fopen(path, "rb");
    if (!f) return nullptr;
    std::string *buf = new std::string();
    char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) buf->append(chunk, n);
    fclose(f);
    char *text = (char *)malloc(buf->size() + 1);
    if (text) {
        memcpy(text, buf->data(), buf->size());
        text[buf->size()] = 0;
        *size = buf->size();
    }
    delete buf;
    return text;
}

// Text of files being loaded: kept until the interpreter ends so an error in the middle of a
// file leaves nothing to free.
static std::vector<char *> loaded_texts;

static LiValue eval_text(const char *text, size_t size, const char *origin)
{
    Reader r = {text, text + size, origin, 1};
    LiValue *slot = ArgTop;
    push(Nil);
    LiValue result = Nil;
    LiValue form;
    while (read_form(&r, &form)) {
        *slot = form;
        result = eval(form);
    }
    ArgTop = slot;
    return result;
}

LiValue load_file(const char *path)
{
    size_t size = 0;
    char *text = read_whole_file(path, &size);
    if (!text) errorf("Cannot open file %s", path);
    loaded_texts.push_back(text);
    return eval_text(text, size, strdup(path));
}

static int protected_run(LiValue (*f)(const void *), const void *arg)
{
    jmp_buf jb;
    li_ErrorProtect(jb);
    if (setjmp(jb) == 0) {
        f(arg);
        li_ErrorFree();
        return 0;
    }
    li_ErrorFree();
    report_error();
    return 1;
}

int li_LoadFile(const char *path)
{
    return protected_run([](const void *p) { return load_file((const char *)p); }, path);
}

int li_EvalString(const char *text)
{
    return protected_run([](const void *p) {
        const char *t = (const char *)p;
        char *copy = strdup(t);
        loaded_texts.push_back(copy);
        return eval_text(copy, strlen(copy), "-e");
    }, text);
}

static bool balanced(const std::string &s)
{
    int depth = 0;
    bool in_string = false;
    for (size_t i = 0; i < s.size(); i++) {
        char c = s[i];
        if (in_string) {
            if (c == '\\') i++;
            else if (c == '"') in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == ';') {
            while (i < s.size() && s[i] != '\n') i++;
        } else if (c == '(') {
            depth++;
        } else if (c == ')') {
            depth--;
        }
    }
    return depth <= 0 && !in_string;
}

void li_Repl(void)
{
    std::string pending, line;
    repl_input_start();
    while (true) {
        fputs(pending.empty() ? "> " : "  ", stdout);
        fflush(stdout);
        if (!repl_read_line(line)) break;
        if (pending.empty()) repl_clear_interrupt();
        pending += line;
        if (!balanced(pending)) continue;
        char *text = strdup(pending.c_str());
        loaded_texts.push_back(text);
        pending.clear();
        protected_run([](const void *p) {
            const char *t = (const char *)p;
            LiValue v = eval_text(t, strlen(t), "repl");
            LiValue *slot = ArgTop;
            push(v);
            li_Write(v, Stdout, 0);
            ArgTop = slot;
            fputc('\n', stdout);
            fflush(stdout);
            return v;
        }, text);
    }
    fputc('\n', stdout);
}

// ---- describe -----------------------------------------------------------------------------------------

static std::map<LiEntry, const char *> entry_forms;

void li_DescribeForms(LiEntry entry, const char *forms) { entry_forms[entry] = forms; }

// "  (name p1 p2)" for each line of forms.
static void describe_forms(std::string *s, const char *name, const char *forms)
{
    for (const char *line = forms; *line;) {
        const char *end = strchr(line, '\n');
        if (!end) end = line + strlen(line);
        s->append("  (");
        s->append(name);
        if (end > line) {
            s->append(" ");
            s->append(line, (size_t)(end - line));
        }
        s->append(")\n");
        line = *end ? end + 1 : end;
    }
}

static void describe_native(std::string *s, const char *name, const NativeFn *fn)
{
    for (int i = 0; i < fn->count; i++) {
        const NativeVariant &var = fn->v[i];
        auto forms = entry_forms.find(var.entry);
        if ((var.flags & LI_PARAM_REST) && forms != entry_forms.end()) {
            describe_forms(s, name, forms->second);
            continue;
        }
        s->append("  (");
        s->append(name);
        if (var.flags & RAW_VARARGS) s->append(" &rest");
        if (var.flags & LI_PARAM_REST) s->append(" &rest");
        int n = var.n >= 0 ? var.n : (var.flags & LI_PARAM_REST ? 1 : 0);
        for (int k = 0; k < n && var.params; k++) {
            s->append(" ");
            s->append(var.params[k]);
        }
        s->append(")\n");
    }
}

LiValue describe_string(LiValue sym)
{
    std::string *s = new std::string(sym_name(sym));
    LiValue v = sym_value(sym);
    char buf[128];
    switch (li_Tag(v)) {
    case LI_NATIVE: {
        s->append(": native function\n");
        describe_native(s, sym_name(sym), native_rec(v));
        break;
    }
    case LI_CLOSURE: {
        s->append(": function\n  (");
        s->append(sym_name(sym));
        for (LiValue p = code_rec(P(v->w1))->params; consp(p); p = cdr(p)) {
            s->append(" ");
            s->append(sym_name(car(p)));
        }
        s->append(")\n");
        break;
    }
    case LI_CLASS: {
        LiClassRecord *r = li_ClassRecord(v);
        snprintf(buf, sizeof buf, ": class, %u bytes", (unsigned)r->size);
        s->append(buf);
        if (li_Tag(r->super) == LI_CLASS) {
            s->append(", derived from ");
            s->append(sym_name(li_ClassRecord(r->super)->name));
        }
        s->append("\n");
        for (const LiStrucField *f = r->fields; f && f->name; f++) {
            snprintf(buf, sizeof buf, "  %-28s offset %4u  type %u\n", f->name, (unsigned)LI_FIELD_OFFSET(f), (unsigned)LI_FIELD_TYPE(f));
            s->append(buf);
        }
        break;
    }
    case LI_UNDEF: {
        // CLASS::METHOD describes a method as a function: its forms, receiver not counted
        const char *name = sym_name(sym), *sep = strstr(name, "::");
        LiValue cls = sep ? sym_value(intern_n(name, (size_t)(sep - name))) : Undef;
        Method *m = nullptr;
        if (li_Tag(cls) == LI_CLASS) find_method_entry(cls, intern(sep + 2), &m);
        if (m && m->native) {
            s->append(": native method\n");
            describe_native(s, name, m->native);
        } else if (m) {
            s->append(": method\n  (");
            s->append(name);
            for (LiValue p = code_rec(P(m->closure->w1))->params; consp(p); p = cdr(p)) {
                s->append(" ");
                s->append(sym_name(car(p)));
            }
            s->append(")\n");
        } else {
            s->append(": unbound\n");
        }
        break;
    }
    case LI_SPECIAL: s->append(": special form\n"); break;
    default: {
        s->append(" = ");
        struct Put {
            static void f(const char *t, size_t n, void *ctx) { ((std::string *)ctx)->append(t, n); }
        };
        print_value(v, false, Put::f, s);
        s->append("\n");
    }
    }
    LiValue r = make_string_n(s->data(), (uint32_t)s->size());
    delete s;
    return r;
}

// ---- start-up -----------------------------------------------------------------------------------------

void li_Init(int, char **)
{
    // car and cdr of nil are nil: the cell's own words point back at it.
    nil_cell.w1 = nil_cell.w2 = W(&nil_cell);
    gc_init_from_environment();
    const int STACK_SLOTS = 1 << 18;
    g_stack_base = (LiValue *)calloc(STACK_SLOTS, sizeof(LiValue));
    g_stack_limit = g_stack_base + STACK_SLOTS - 256; // headroom for natives and error handling
    ArgTop = ArgBase = g_stack_base;
    g_frames = (LiValue *)calloc(MAX_DEPTH + 1, sizeof(LiValue));
    ExecutionStack->frames = g_frames;
    ExecutionStack->capacity = MAX_DEPTH;
    ExecutionStack->depth = &g_depth;
    Stdout = &stdout_cell;

    S_t = intern("t");
    True = S_t;
    sym_set(S_t, S_t);
    sym_set(intern("nil"), Nil);
    S_self = intern("self");
    proclaim_special(S_self); // bound to the receiver during every method call
    S_quote = intern("quote");
    S_rest = intern("&rest");
    S_optional = intern("&optional");
    S_catch = intern("catch");
    S_init = intern("init");
    S_error_stack = intern("_error_stack_");
    sym_set(S_error_stack, Nil);
    ErrorString = intern("_error_");
    sym_set(ErrorString, Nil);
    proclaim_special(S_error_stack);
    proclaim_special(ErrorString);

    DWORD n = GetModuleFileNameA(nullptr, exe_dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) n = 0;
    while (n > 0 && exe_dir[n - 1] != '\\' && exe_dir[n - 1] != '/') n--;
    exe_dir[n] = 0;

    specials_init();
    builtins_init();
}
