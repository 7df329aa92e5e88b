#pragma once
// Strings of a dialog bound to its edit controls: pulled from the controls into the strings
// and pushed from the strings into the controls.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CBoundTextFields {
public:
    // The string must outlive the binding (it is a member of the dialog that binds it).
    void Bind(int controlId, std::string& value) { m_fields.push_back({controlId, value}); }
    void Pull(HWND dialog);
    void Push(HWND dialog);
    // True while Push sets the controls: the change notifications this causes are not the author's.
    bool IsPushing() const { return m_pushing; }

private:
    struct Field {
        int controlId;
        std::reference_wrapper<std::string> value;
    };
    std::vector<Field> m_fields;
    bool m_pushing = false;
};
