#include "CNameDialog.h"

#include "EditorResources.h"

CNameDialog::CNameDialog() : CModalDialog(IDD_NAME) { Fields().Bind(IDC_ORIGIN_NAME, m_name); }

void CNameDialog::OnOk() {
    PullFields();
    End(IDOK);
}
