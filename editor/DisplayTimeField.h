#pragma once
// The rules of the frame window's display-time field, applied at every update of its text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class CFrame;

// Text the field must be set to, with the caret placed after `caret` characters.
struct FieldRewrite {
    std::string text;
    size_t caret = 1;
};

class CDisplayTimeField {
public:
    // The editor is about to set the field itself: the next update then stores the value as
    // the last field value but leaves the frame's display time alone.
    void BeginEditorRewrite() { m_editorRewrite = true; }
    void EndEditorRewrite() { m_editorRewrite = false; }
    bool IsEditorRewrite() const { return m_editorRewrite; }

    // Handles the field's new text. A digit typed into a field that shows a lone "0" replaces
    // it; the text is read as atol reads it and stored as the frame's display time. A number
    // that is no display time (negative, or beyond 2^31 - 1 ms) is not stored: the field shows
    // the stored time again. Returns the text the field must show instead, if any. `frame` may
    // be null (an animation without frames): then only the field changes.
    std::optional<FieldRewrite> OnTextUpdate(const std::string& text, CFrame* frame);

    int32_t LastFieldValue() const { return m_lastFieldValue; }

private:
    FieldRewrite ShowStoredTime(uint32_t displayTime);

    int32_t m_lastFieldValue = 0;
    bool m_editorRewrite = false;
};

// 0 to 2^31 - 1 milliseconds: what the field accepts.
bool IsDisplayTime(int64_t milliseconds);

// The text the field shows for a display time: the stored 32 bits as a signed number.
std::string DisplayTimeText(uint32_t displayTime);
