#pragma once
// Balloon: how a character's Speak and Think balloons look and whether they are on. Reached
// through ICharacter2.Balloon only; lives in the client's apartment and is read by its
// character when a request is made.
#include "ComObject.h"
#include "ComponentIds.h"
#include "Dispatch.h"
#include "ExceptionGuard.h"
#include "SupportErrorInfo.h"

#include "BalloonStyle.h"

class CBalloon final : public com::ComObject<CBalloon, com::SupportErrorInfo<IBalloon>, com::Dispatch<IBalloon>> {
public:
    bool IsEnabled() const { return m_enabled; }
    const BalloonStyle& Style() const { return m_style; }

    // IBalloon
    STDMETHODIMP get_Enabled(LONG* value) override;
    STDMETHODIMP put_Enabled(LONG value) override;
    STDMETHODIMP get_FontName(BSTR* value) override;
    STDMETHODIMP put_FontName(BSTR value) override;
    STDMETHODIMP get_FontSize(LONG* value) override;
    STDMETHODIMP put_FontSize(LONG value) override;
    STDMETHODIMP get_TextColor(LONG* value) override;
    STDMETHODIMP put_TextColor(LONG value) override;
    STDMETHODIMP get_BackColor(LONG* value) override;
    STDMETHODIMP put_BackColor(LONG value) override;
    STDMETHODIMP get_BorderColor(LONG* value) override;
    STDMETHODIMP put_BorderColor(LONG value) override;
    STDMETHODIMP get_CharsPerLine(LONG* value) override;
    STDMETHODIMP put_CharsPerLine(LONG value) override;
    STDMETHODIMP get_NumberOfLines(LONG* value) override;
    STDMETHODIMP put_NumberOfLines(LONG value) override;

private:
    template <class Body>
    static HRESULT Guarded(Body&& body) {
        return com::Guarded(kCharacterSource, IID_IBalloon, body);
    }
    static HRESULT Refuse(const wchar_t* text);
    static HRESULT GetLong(LONG* value, int64_t field);
    void* FindInterface(REFIID iid) override;

    bool m_enabled = false;
    BalloonStyle m_style;
};
