#include "DisplayTimeField.h"

#include <limits>

#include "CFrame.h"
#include "FieldText.h"

std::optional<FieldRewrite> CDisplayTimeField::OnTextUpdate(const std::string& text, CFrame* frame) {
    std::string typed = text;
    bool removed = false;
    if (!typed.empty() && !m_editorRewrite && m_lastFieldValue == 0 && typed.back() == '0' && typed != "0") {
        typed.pop_back();  // the digit went in before the lone zero
        removed = true;
    }
    const int64_t value = ParseLikeAtolWide(typed);
    const bool editorRewrite = m_editorRewrite;
    m_editorRewrite = false;
    if (!editorRewrite && frame != nullptr && !IsDisplayTime(value)) return ShowStoredTime(frame->displayTime);
    m_lastFieldValue = ParseLikeAtol(typed);
    if (!editorRewrite && frame != nullptr) frame->displayTime = static_cast<uint32_t>(m_lastFieldValue);
    const std::string shown = FormatDecimal(m_lastFieldValue);
    if (shown != text || removed) return FieldRewrite{shown, 1};
    return std::nullopt;
}

FieldRewrite CDisplayTimeField::ShowStoredTime(uint32_t displayTime) {
    m_lastFieldValue = static_cast<int32_t>(displayTime);
    std::string shown = DisplayTimeText(displayTime);
    const size_t caret = shown.size();
    return FieldRewrite{std::move(shown), caret};
}

bool IsDisplayTime(int64_t milliseconds) {
    return milliseconds >= 0 && milliseconds <= std::numeric_limits<int32_t>::max();
}

std::string DisplayTimeText(uint32_t displayTime) { return FormatDecimal(static_cast<int32_t>(displayTime)); }
