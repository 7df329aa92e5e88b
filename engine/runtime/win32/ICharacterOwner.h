#pragma once
// What a character window needs from the object that owns it and runs its thread.
#include "Win32Api.h"

#include <unknwn.h>

#include <memory>
#include <string>

#include "CLayeredAttributes.h"
#include "Request.h"

class ICharacterOwner {
public:
    // Target of every notification; may be absent or already destroyed.
    virtual HWND ReceiverWindow() const = 0;
    // Layered mode when available; region mode otherwise.
    virtual const CLayeredAttributes& LayeredAttributes() const = 0;
    // The process's current directory when the character was made; sounds are found below it.
    virtual const std::string& StartDirectory() const = 0;
    virtual void PlaySoundFile(const std::string& path) = 0;
    // The window's own DPI, and the DPI of the monitor nearest a point (0 when unknown).
    virtual UINT WindowDpiOf(HWND window) const = 0;
    virtual UINT MonitorDpiAt(POINT point) const = 0;
    // The partner of a common animation, from the interface that came with the request.
    virtual std::shared_ptr<IRequestPartner> MakePartner(IUnknown* other) = 0;

protected:
    ~ICharacterOwner() = default;
};
