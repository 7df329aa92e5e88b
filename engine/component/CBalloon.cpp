#include "CBalloon.h"

#include "Bstr.h"
#include "ErrorInfo.h"

// Errors of the balloon name the character's class: the balloon is part of it and has no
// ProgID of its own.
HRESULT CBalloon::Refuse(const wchar_t* text) { return com::ReportError(kCharacterSource, text, IID_IBalloon); }

HRESULT CBalloon::GetLong(LONG* value, int64_t field) {
    if (value == nullptr) return E_POINTER;
    *value = static_cast<LONG>(field);
    return S_OK;
}

void* CBalloon::FindInterface(REFIID iid) {
    if (IsEqualIID(iid, IID_IBalloon) || IsEqualIID(iid, IID_IDispatch)) return static_cast<IBalloon*>(this);
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    return nullptr;
}

STDMETHODIMP CBalloon::get_Enabled(LONG* value) {
    return Guarded([&] { return GetLong(value, m_enabled ? 1 : 0); });
}

STDMETHODIMP CBalloon::put_Enabled(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (value != 0 && value != 1) return Refuse(L"Enabled must be 0 or 1");
        m_enabled = value == 1;
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_FontName(BSTR* value) {
    return Guarded([&]() -> HRESULT {
        if (value == nullptr) return E_POINTER;
        const std::u16string& name = m_style.fontName;
        *value = com::Bstr(std::wstring(name.begin(), name.end())).Detach();
        return S_OK;
    });
}

STDMETHODIMP CBalloon::put_FontName(BSTR value) {
    return Guarded([&]() -> HRESULT {
        const std::wstring text = com::TextOf(value);
        const std::u16string name(text.begin(), text.end());
        if (!IsValidFontName(name)) return Refuse(L"Invalid font name");
        m_style.fontName = name;
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_FontSize(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.fontSize); });
}

STDMETHODIMP CBalloon::put_FontSize(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidFontSize(value)) return Refuse(L"Invalid font size");
        m_style.fontSize = value;
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_TextColor(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.textColor); });
}

STDMETHODIMP CBalloon::put_TextColor(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidColor(value)) return Refuse(L"Invalid color");
        m_style.textColor = static_cast<uint32_t>(value);
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_BackColor(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.backColor); });
}

STDMETHODIMP CBalloon::put_BackColor(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidColor(value)) return Refuse(L"Invalid color");
        m_style.backColor = static_cast<uint32_t>(value);
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_BorderColor(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.borderColor); });
}

STDMETHODIMP CBalloon::put_BorderColor(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidColor(value)) return Refuse(L"Invalid color");
        m_style.borderColor = static_cast<uint32_t>(value);
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_CharsPerLine(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.charsPerLine); });
}

STDMETHODIMP CBalloon::put_CharsPerLine(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidCharsPerLine(value)) return Refuse(L"Invalid chars per line");
        m_style.charsPerLine = value;
        return S_OK;
    });
}

STDMETHODIMP CBalloon::get_NumberOfLines(LONG* value) {
    return Guarded([&] { return GetLong(value, m_style.numberOfLines); });
}

STDMETHODIMP CBalloon::put_NumberOfLines(LONG value) {
    return Guarded([&]() -> HRESULT {
        if (!IsValidNumberOfLines(value)) return Refuse(L"Invalid number of lines");
        m_style.numberOfLines = value;
        return S_OK;
    });
}
