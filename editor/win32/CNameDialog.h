#pragma once
// "Enter Character Name": the name of a new origin. The name is read only after OK.
#include <string>

#include "CModalDialog.h"

class CNameDialog : public CModalDialog {
public:
    CNameDialog();
    const std::string& Name() const { return m_name; }

protected:
    bool OnInitDialog() override;
    void OnOk() override;

private:
    std::string m_name;
};
