#include "CNameDialog.h"

#include "EditorResources.h"

CNameDialog::CNameDialog() : CModalDialog(IDD_NAME) { Fields().Bind(IDC_ORIGIN_NAME, m_name); }

bool CNameDialog::OnInitDialog() {
    SetFocus(GetDlgItem(Handle(), IDC_ORIGIN_NAME));  // ready for typing
    return false;
}

void CNameDialog::OnOk() {
    PullFields();
    End(IDOK);
}
