#pragma once
// GraphicFiles: the list of installed character files in the current user's registry. Every
// call works on the registry directly; the object holds nothing else. Free-threaded.
#include <string>

#include "ComObject.h"
#include "ComponentIds.h"
#include "Dispatch.h"
#include "ExceptionGuard.h"
#include "FreeThreadedMarshaler.h"
#include "SupportErrorInfo.h"

class CFileList;

class CGraphicFiles final
    : public com::ComObject<CGraphicFiles, com::SupportErrorInfo<IGraphicFiles>, com::Dispatch<IGraphicFiles>> {
public:
    CGraphicFiles() = default;

    // IGraphicFiles
    STDMETHODIMP Add(IGraphicFile* file) override;
    STDMETHODIMP Remove(BSTR characterName) override;
    STDMETHODIMP Count(LONG* count) override;
    STDMETHODIMP Item(VARIANT index, IGraphicFile** file) override;
    STDMETHODIMP get_Version(BSTR* value) override;

private:
    // Every member's body runs under the guard, with this class as the error's source.
    template <class Body>
    static HRESULT Guarded(Body&& body) {
        return com::Guarded(kGraphicFilesSource, IID_IGraphicFiles, body);
    }
    void* FindInterface(REFIID iid) override;
    // Add takes any object with IGraphicFile from a script, by value or by reference.
    bool InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError, HRESULT& handled) override;

    HRESULT ItemByPath(CFileList& list, BSTR path, IGraphicFile** file);
    HRESULT ItemByNumber(CFileList& list, long long number, IGraphicFile** file);
    // A GraphicFile opened on a listed path; "File Not Exist" when it cannot be read.
    HRESULT OpenListed(const std::string& path, IGraphicFile** file);
    com::FreeThreadedMarshaler m_marshaler;
};
