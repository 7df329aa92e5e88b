#pragma once
// "Import Animation": the animation's name, the pictures (typed, or chosen with Browse) and the
// sheet, time, anchor and shift for all frames. OK reads them; a field that cannot be taken is
// said in a box and the dialog stays.
#include <optional>

#include "CModalDialog.h"
#include "ImportForm.h"

class CImportDialog : public CModalDialog {
public:
    explicit CImportDialog(ImportForm form);
    // What to import, once the dialog ended with IDOK.
    const std::optional<ImportRequest>& Request() const { return m_request; }

protected:
    bool OnInitDialog() override;
    void OnOk() override;

private:
    void OnBrowse();

    ImportForm m_form;
    std::optional<ImportRequest> m_request;
};
