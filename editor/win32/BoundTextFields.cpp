#include "BoundTextFields.h"

#include "ControlText.h"

void CBoundTextFields::Pull(HWND dialog) {
    for (Field& field : m_fields) {
        if (HWND control = GetDlgItem(dialog, field.controlId)) field.value.get() = WindowText(control);
    }
}

void CBoundTextFields::Push(HWND dialog) {
    m_pushing = true;
    for (const Field& field : m_fields) {
        HWND control = GetDlgItem(dialog, field.controlId);
        // Unchanged texts are left alone, so that the caret stays where the author put it.
        if (control != nullptr && WindowText(control) != field.value.get())
            SetWindowTextString(control, field.value.get());
    }
    m_pushing = false;
}
