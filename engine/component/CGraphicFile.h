#pragma once
// GraphicFile: describes one character file, its character name and animation names, read
// from the file itself. Free-threaded; one caller at a time.
#include <optional>
#include <string>
#include <vector>

#include "ComObject.h"
#include "ComponentIds.h"
#include "Dispatch.h"
#include "ExceptionGuard.h"
#include "FreeThreadedMarshaler.h"
#include "SupportErrorInfo.h"

class CGraphicFile final
    : public com::ComObject<CGraphicFile, com::SupportErrorInfo<IGraphicFile>, com::Dispatch<IGraphicFile>> {
public:
    CGraphicFile();

    // Reads the file at path: file name and title := path, character name and animation
    // names from the file. False for a null path, an unreadable file or one without
    // animations. Every animation name is kept, however many the file holds.
    bool OpenFile(BSTR path);
    const std::optional<std::wstring>& CharacterName() const { return m_characterName; }

    // IGraphicFile
    STDMETHODIMP getAnimationNames(VARIANT* names) override;
    STDMETHODIMP get_characterName(BSTR* value) override;
    STDMETHODIMP get_Comment(BSTR* value) override;
    STDMETHODIMP put_Comment(BSTR value) override;
    STDMETHODIMP get_Version(BSTR* value) override;
    STDMETHODIMP get_FileTitle(BSTR* value) override;
    STDMETHODIMP get_FileName(BSTR* value) override;
    STDMETHODIMP put_FileName(BSTR value) override;

private:
    // Every member's body runs under the guard, with this class as the error's source.
    template <class Body>
    static HRESULT Guarded(Body&& body) {
        return com::Guarded(kGraphicFileSource, IID_IGraphicFile, body);
    }
    void* FindInterface(REFIID iid) override;
    HRESULT CopyField(const std::optional<std::wstring>& field, BSTR* value, const wchar_t* missing) const;
    void ClearFields();

    // An absent field holds no string at all, which the getters report as an error.
    std::optional<std::wstring> m_fileName;
    std::optional<std::wstring> m_fileTitle;
    std::optional<std::wstring> m_version;
    std::optional<std::wstring> m_comment;
    std::optional<std::wstring> m_characterName;
    std::vector<std::wstring> m_animationNames;
    com::FreeThreadedMarshaler m_marshaler;
};
