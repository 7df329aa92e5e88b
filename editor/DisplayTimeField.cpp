#include "DisplayTimeField.h"

#include "CFrame.h"
#include "FieldText.h"

std::optional<FieldRewrite> CDisplayTimeField::OnTextUpdate(const std::string& text, CFrame* frame) {
    std::string typed = text;
    bool removed = false;
    if (!typed.empty() && !m_editorRewrite && m_lastFieldValue == 0 && typed.back() == '0' && typed != "0") {
        typed.pop_back();  // the digit went in before the lone zero
        removed = true;
    }
    const int32_t value = ParseLikeAtol(typed);
    m_lastFieldValue = value;
    if (!m_editorRewrite && frame != nullptr) frame->displayTime = static_cast<uint32_t>(value);
    m_editorRewrite = false;
    const std::string shown = FormatDecimal(value);
    if (shown != text || removed) return FieldRewrite{shown, 1};
    return std::nullopt;
}

std::string DisplayTimeText(uint32_t displayTime) { return FormatDecimal(static_cast<int32_t>(displayTime)); }
