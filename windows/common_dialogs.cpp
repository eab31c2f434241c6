#include "common_dialogs.h"

#include <stdio.h>

#include "../structs/classes.h"

namespace savrawin {

namespace {
// The custom colours every colour dialog shares, white at load.
COLORREF custom_colors[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                              0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
} // namespace

// The records point into their own objects from the start, so the buffers scripts fill are the
// ones the platform will read and write.
ColorDialogObject::ColorDialogObject()
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = custom_colors;
}

FileDialogObject::FileDialogObject()
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle / sizeof m_szFileTitle[0];
}

FolderDialogObject::FolderDialogObject()
{
    m_bi.pszDisplayName = m_szFolderDisplayName;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS;
    m_bi.lParam = (LPARAM)this;
}

FolderDialogObject::~FolderDialogObject()
{
    if (m_pidlInitialSelection) ILFree(m_pidlInitialSelection);
    if (m_pidlSelected) ILFree(m_pidlSelected);
    free(m_lpstrInitialFolder);
}

FontDialogObject::FontDialogObject()
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.lpszStyle = m_szStyleName;
}

PageSetupDialogObject::PageSetupDialogObject() { m_psd.lStructSize = sizeof m_psd; }

PrintDialogObject::PrintDialogObject() { m_pd.lStructSize = sizeof m_pd; }

template <class T> LiValue construct_common_dialog(LiValue inst, void *data, int owned, LiValue args)
{
    if (data) return li_StrucBasicConstructor(inst, data, owned, args);
    if (li_Tag(args) != LI_NIL) li_Error("A common dialog is made without arguments here");
    return li_StrucSizedConstructor(inst, new T(), sizeof(T), 1, args);
}

// Only an object the instance made is deleted; a view leaves it alone.
template <class T> void destroy_common_dialog(LiValue inst)
{
    void *data = li_InstanceData(inst);
    if (data && li_InstanceOwnsData(inst)) delete (T *)data;
    li_StrucSizedConstructor(inst, nullptr, 0, 0, Nil);
}

#define DIALOG_HOOKS(T)                                                                                                \
    template LiValue construct_common_dialog<T>(LiValue, void *, int, LiValue);                                       \
    template void destroy_common_dialog<T>(LiValue);
DIALOG_HOOKS(ColorDialogObject)
DIALOG_HOOKS(FileDialogObject)
DIALOG_HOOKS(FolderDialogObject)
DIALOG_HOOKS(FontDialogObject)
DIALOG_HOOKS(PageSetupDialogObject)
DIALOG_HOOKS(PrintDialogObject)

bool is_common_dialog(LiValue inst)
{
    if (li_Tag(inst) != LI_INSTANCE) return false;
    if (li_IsDerived(inst, cls_SDialog))
        return li_IsDerived(inst, cls_SFolderDialog) || li_IsDerived(inst, cls_SFontDialog) ||
               li_IsDerived(inst, cls_SPageSetupDialog) || li_IsDerived(inst, cls_SPrintDialog);
    return li_IsDerived(inst, cls_SColorDialog) || li_IsDerived(inst, cls_SFileDialog);
}

} // namespace savrawin
