#pragma once
// ISupportErrorInfo for an object that reports errors on the interfaces listed only.
#include "PlatformHeaders.h"

namespace com {

template <class... Interfaces>
class SupportErrorInfo : public ISupportErrorInfo {
public:
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return (IsEqualIID(iid, __uuidof(Interfaces)) || ...) ? S_OK : S_FALSE;
    }
};

}  // namespace com
