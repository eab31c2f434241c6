// What describe shows for an automation object: its methods and properties, with their parameter
// names, from the server's type information.
#include "com.h"

#include <vector>

namespace savrawin::com {

namespace {

std::string narrow(const wchar_t *w)
{
    std::string out;
    if (!w) return out;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (bytes > 1) {
        out.resize((size_t)bytes - 1);
        WideCharToMultiByte(CP_UTF8, 0, w, -1, &out[0], bytes, nullptr, nullptr);
    }
    return out;
}

struct Member {
    MEMBERID id;
    std::string name, params;
    bool method = false, get = false, put = false;
};

Member &member(std::vector<Member> &all, MEMBERID id)
{
    for (Member &m : all)
        if (m.id == id) return m;
    all.push_back(Member{id, "", "", false, false, false});
    return all.back();
}

// The parameter names of f, optional ones in brackets; the value of a property assignment is left
// out.
std::string parameter_names(ITypeInfo *info, const FUNCDESC *f, BSTR *names, UINT count)
{
    std::string out;
    int shown = f->cParams - ((f->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) ? 1 : 0);
    for (int i = 0; i < shown; i++) {
        std::string name = (UINT)(i + 1) < count ? narrow(names[i + 1]) : "arg" + std::to_string(i + 1);
        bool optional = (f->lprgelemdescParam[i].paramdesc.wParamFlags & PARAMFLAG_FOPT) ||
                        (f->cParamsOpt && i >= f->cParams - f->cParamsOpt);
        if (!out.empty()) out += " ";
        out += optional ? "[" + name + "]" : name;
    }
    return out;
}

void collect(ITypeInfo *info, const TYPEATTR *attr, std::vector<Member> &all)
{
    for (UINT i = 0; i < attr->cFuncs; i++) {
        FUNCDESC *f;
        if (FAILED(info->GetFuncDesc(i, &f))) continue;
        if (!(f->wFuncFlags & (FUNCFLAG_FRESTRICTED | FUNCFLAG_FHIDDEN))) {
            BSTR names[32] = {};
            UINT count = 0;
            info->GetNames(f->memid, names, 32, &count);
            Member &m = member(all, f->memid);
            if (m.name.empty() && count) m.name = narrow(names[0]);
            if (f->invkind == INVOKE_FUNC) m.method = true;
            if (f->invkind == INVOKE_PROPERTYGET) m.get = true;
            if (f->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) m.put = true;
            if ((f->invkind != INVOKE_PROPERTYPUT && f->invkind != INVOKE_PROPERTYPUTREF) || m.params.empty())
                m.params = parameter_names(info, f, names, count);
            for (UINT k = 0; k < count; k++) SysFreeString(names[k]);
        }
        info->ReleaseFuncDesc(f);
    }
    for (UINT i = 0; i < attr->cVars; i++) {
        VARDESC *v;
        if (FAILED(info->GetVarDesc(i, &v))) continue;
        BSTR name = nullptr;
        UINT count = 0;
        info->GetNames(v->memid, &name, 1, &count);
        Member &m = member(all, v->memid);
        if (count) m.name = narrow(name);
        m.get = true;
        m.put = !(v->wVarFlags & VARFLAG_FREADONLY);
        SysFreeString(name);
        info->ReleaseVarDesc(v);
    }
}

} // namespace

LiValue describe_object(Held *h)
{
    ComType *t = type_of(h);
    std::string s = "SComObject";
    if (t && !t->name.empty()) s += " " + t->name;
    s += ": automation object\n";
    TYPEATTR *attr = nullptr;
    if (!t || !t->info || FAILED(t->info->GetTypeAttr(&attr))) {
        s += "  (the server gives no type information: names are resolved when they are used)\n";
    } else {
        std::vector<Member> all;
        collect(t->info, attr, all);
        t->info->ReleaseTypeAttr(attr);
        for (int pass = 0; pass < 2; pass++) {
            s += pass == 0 ? "  methods:\n" : "  properties:\n";
            for (const Member &m : all) {
                if (m.name.empty() || m.method != (pass == 0)) continue;
                // a property with parameters is read in the call form: (.Item d "key")
                s += pass == 0 || !m.params.empty() ? "    (." + m.name : "    (.-" + m.name;
                if (!m.params.empty()) s += " " + m.params;
                s += ")";
                if (pass == 1) s += m.get && m.put ? "  read/write" : m.put ? "  write-only" : "  read-only";
                s += "\n";
            }
        }
    }
    // the text is copied into the script string before anything can raise
    return li_CreateStringN(s.data(), (int)s.size());
}

} // namespace savrawin::com
