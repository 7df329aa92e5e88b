#pragma once
// The safe arrays of variants that carry a request to the character thread: CHM_PLAY takes
// [name, destination x, destination y, is_shift], CHM_PLAYCOMMON takes [name, partner].
#include "Win32Api.h"

#include <unknwn.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Request.h"
#include "UniqueHandle.h"

// Turns the partner's interface into what the request engine drives; the result holds its
// own reference.
using PartnerFactory = std::function<std::shared_ptr<IRequestPartner>(IUnknown*)>;

// is_shift travels as a boolean made from its low 16 bits, so 65536 counts as false.
UniqueSafeArray MakePlayArray(const std::wstring& name, int32_t destinationX, int32_t destinationY,
                              int32_t isShift);
// The array holds its own reference to the partner.
UniqueSafeArray MakePlayCommonArray(const std::wstring& name, IUnknown* partner);

// Sends the array to the character window (CHM_PLAY or CHM_PLAYCOMMON: wParam the array, lParam
// the request ID) and waits until it is handled. The window takes the array only as a
// hand-over recorded here; an array it did not take (the window is gone) is destroyed here.
void SendRequestArray(HWND window, UINT message, UniqueSafeArray array, int32_t requestId);
// On the window's thread: the array under wParam when it was sent to this window with this
// request ID and not taken yet; empty otherwise (junk from another program included).
UniqueSafeArray TakeSentRequestArray(HWND window, WPARAM wParam, int32_t requestId);

// The request an array describes, or none when its shape or contents do not fit. The array
// is left to the caller.
std::optional<Request> DecodePlayArray(SAFEARRAY* array, int32_t requestId);
std::optional<Request> DecodePlayCommonArray(SAFEARRAY* array, int32_t requestId, const PartnerFactory& factory);
