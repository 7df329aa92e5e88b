#include "CImportDialog.h"

#include "CFilePicker.h"
#include "EditorResources.h"

CImportDialog::CImportDialog(ImportForm form) : CModalDialog(IDD_IMPORT), m_form(std::move(form)) {
    Fields().Bind(IDC_IMPORT_NAME, m_form.animationName);
    Fields().Bind(IDC_IMPORT_PICTURES, m_form.pictures);
    Fields().Bind(IDC_IMPORT_COLUMNS, m_form.columns);
    Fields().Bind(IDC_IMPORT_ROWS, m_form.rows);
    Fields().Bind(IDC_IMPORT_TIME, m_form.time);
    Fields().Bind(IDC_IMPORT_ANCHOR_X, m_form.anchorX);
    Fields().Bind(IDC_IMPORT_ANCHOR_Y, m_form.anchorY);
    Fields().Bind(IDC_IMPORT_SHIFT_X, m_form.shiftX);
    Fields().Bind(IDC_IMPORT_SHIFT_Y, m_form.shiftY);
    Commands().OnCommand(IDC_IMPORT_BROWSE, [this] { OnBrowse(); });
}

bool CImportDialog::OnInitDialog() {
    PushFields();
    SetFocus(GetDlgItem(Handle(), IDC_IMPORT_NAME));
    return false;
}

void CImportDialog::OnBrowse() {
    CFilePicker picker(kImportPicturesPicker);
    if (!picker.Run(Handle())) return;
    PullFields();
    m_form.pictures = JoinPictureList(picker.FullPaths());
    PushFields();
}

void CImportDialog::OnOk() {
    PullFields();
    std::string why;
    m_request = ReadImportForm(m_form, why);
    if (!m_request) {
        MessageBoxA(Handle(), why.c_str(), "Import Animation", MB_OK | MB_ICONWARNING);
        return;
    }
    End(IDOK);
}
