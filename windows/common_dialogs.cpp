#include "common_dialogs.h"

#include <stdio.h>

#include "../api/controls/adapters.h"
#include "classes.h"

namespace savrawin {

// The records point into their own objects from the start, so the buffers scripts fill are the
// ones the platform will read and write. The custom colours are the module's one table, shared
// with ChooseColor, so a colour the user keeps in one dialog is offered by the next.
ColorDialogObject::ColorDialogObject()
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = custom_colours;
    m_cc.Flags = CC_ENABLEHOOK;
    m_cc.lpfnHook = color_dialog_hook;
}

FileDialogObject::FileDialogObject()
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle / sizeof m_szFileTitle[0];
    m_ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = file_dialog_hook;
}

FileDialogObject::~FileDialogObject()
{
    free_thunk(hook.thunk);
    free(def_ext);
    free(filter);
}

FolderDialogObject::FolderDialogObject()
{
    m_bi.pszDisplayName = m_szFolderDisplayName;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS;
    m_bi.lpfn = browse_callback;
    m_bi.lParam = (LPARAM)this;
}

FolderDialogObject::~FolderDialogObject()
{
    CoTaskMemFree(m_pidlInitialSelection);
    CoTaskMemFree(m_pidlSelected);
    free(m_lpstrInitialFolder);
}

FontDialogObject::FontDialogObject()
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = CF_SCREENFONTS | CF_ENABLEHOOK | CF_EFFECTS;
    m_cf.lpfnHook = common_dialog_hook;
    m_cf.lpszStyle = m_szStyleName;
}

PageSetupDialogObject::PageSetupDialogObject()
{
    m_psd.lStructSize = sizeof m_psd;
    m_psd.Flags = PSD_MARGINS | PSD_ENABLEPAGESETUPHOOK | PSD_ENABLEPAGEPAINTHOOK;
    m_psd.lpfnPageSetupHook = common_dialog_hook;
}

// The printer settings the dialogs hand back are the object's to release.
PageSetupDialogObject::~PageSetupDialogObject()
{
    free_thunk(hook.thunk);
    free_thunk(paint_thunk);
    if (m_psd.hDevMode) GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames) GlobalFree(m_psd.hDevNames);
}

PrintDialogObject::PrintDialogObject()
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_NOSELECTION | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK | PD_RETURNDC;
    m_pd.lpfnPrintHook = common_dialog_hook;
    m_pd.lpfnSetupHook = common_dialog_hook;
}

PrintDialogObject::~PrintDialogObject()
{
    free_thunk(hook.thunk);
    if (m_pd.hDevMode) GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) GlobalFree(m_pd.hDevNames);
    if (m_pd.hDC) DeleteDC(m_pd.hDC);
}

static_assert(sizeof(CHOOSECOLORW) == 36 && sizeof(OPENFILENAMEW) == 88 && sizeof(CHOOSEFONTW) == 60 &&
                  sizeof(PAGESETUPDLGW) == 84 && sizeof(PRINTDLGW) == 66,
              "the dialog records as the platform declares them");

template <class T> LiValue construct_common_dialog(LiValue inst, void *data, int owned, LiValue args)
{
    if (data) return li_StrucBasicConstructor(inst, data, owned, args);
    if (li_Tag(args) != LI_NIL) li_Error("A common dialog is made without arguments here");
    return li_StrucSizedConstructor(inst, new T(), sizeof(T), 1, args);
}

// Only an object the instance made is deleted; a view leaves it alone. An instance ended while
// its dialog is shown closes the dialog instead: the running DoModal still uses the object.
template <class T> void destroy_common_dialog(LiValue inst)
{
    void *data = li_InstanceData(inst);
    if (data && li_InstanceOwnsData(inst)) {
        T *o = (T *)data;
        if (o->m_hWnd) {
            DestroyWindow(o->m_hWnd);
            return;
        }
        if (!li_NoDelete(inst)) delete o;
    }
    li_StrucSizedConstructor(inst, nullptr, 0, 0, Nil);
}

template <class T> LiValue common_dialog_type() { return li_CreateNonNullInstanceAlloc(new T(), *NativeClass<T>::cls, Nil); }

template LiValue construct_common_dialog<FolderDialogObject>(LiValue, void *, int, LiValue);
template LiValue construct_common_dialog<FontDialogObject>(LiValue, void *, int, LiValue);
template LiValue construct_common_dialog<PageSetupDialogObject>(LiValue, void *, int, LiValue);
template LiValue construct_common_dialog<PrintDialogObject>(LiValue, void *, int, LiValue);
template LiValue common_dialog_type<FolderDialogObject>();
template LiValue common_dialog_type<FontDialogObject>();
template LiValue common_dialog_type<PageSetupDialogObject>();
template LiValue common_dialog_type<PrintDialogObject>();
template void destroy_common_dialog<ColorDialogObject>(LiValue);
template void destroy_common_dialog<FileDialogObject>(LiValue);
template void destroy_common_dialog<FolderDialogObject>(LiValue);
template void destroy_common_dialog<FontDialogObject>(LiValue);
template void destroy_common_dialog<PageSetupDialogObject>(LiValue);
template void destroy_common_dialog<PrintDialogObject>(LiValue);

bool is_common_dialog(LiValue inst)
{
    if (li_Tag(inst) != LI_INSTANCE) return false;
    if (li_IsDerived(inst, cls_SDialog))
        return li_IsDerived(inst, cls_SFolderDialog) || li_IsDerived(inst, cls_SFontDialog) ||
               li_IsDerived(inst, cls_SPageSetupDialog) || li_IsDerived(inst, cls_SPrintDialog);
    return li_IsDerived(inst, cls_SColorDialog) || li_IsDerived(inst, cls_SFileDialog);
}

} // namespace savrawin
