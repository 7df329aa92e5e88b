#pragma once
// ISupportErrorInfo for an object that reports errors on one interface only.
#include "PlatformHeaders.h"

namespace com {

template <class Interface>
class SupportErrorInfo : public ISupportErrorInfo {
public:
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
        return IsEqualIID(iid, __uuidof(Interface)) ? S_OK : S_FALSE;
    }
};

}  // namespace com
