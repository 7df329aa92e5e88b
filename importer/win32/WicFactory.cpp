#include "WicFactory.h"

WicFactory::WicFactory() {
    // A thread already in another apartment keeps it; only a successful call is balanced.
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    m_uninitialise = SUCCEEDED(initialised);
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     reinterpret_cast<void**>(m_factory.out()));
}

WicFactory::~WicFactory() {
    m_factory.out();  // released before COM is left
    if (m_uninitialise) CoUninitialize();
}
