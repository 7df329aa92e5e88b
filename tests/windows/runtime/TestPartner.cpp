#include "TestPartner.h"

HRESULT TestPartnerObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
}

void PartnerLog::Add(const std::string& entry) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_entries.push_back(entry);
}

std::vector<std::string> PartnerLog::Entries() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_entries;
}

namespace {

class RecordingPartner final : public IRequestPartner {
public:
    RecordingPartner(IUnknown* object, std::shared_ptr<PartnerLog> log) : m_object(object), m_log(std::move(log)) {
        m_object->AddRef();
    }
    RecordingPartner(const RecordingPartner&) = delete;
    RecordingPartner& operator=(const RecordingPartner&) = delete;
    ~RecordingPartner() override { m_object->Release(); }
    void SetVisible(bool visible) override { m_log->Add(visible ? "show" : "hide"); }
    void SetPosition(int32_t x, int32_t y) override {
        m_log->Add("at " + std::to_string(x) + "," + std::to_string(y));
    }

private:
    IUnknown* m_object;
    std::shared_ptr<PartnerLog> m_log;
};

}  // namespace

PartnerFactory RecordingPartnerFactory(std::shared_ptr<PartnerLog> log) {
    return [log](IUnknown* object) -> std::shared_ptr<IRequestPartner> {
        APTTYPE type = APTTYPE_CURRENT;
        APTTYPEQUALIFIER qualifier = APTTYPEQUALIFIER_NONE;
        if (SUCCEEDED(CoGetApartmentType(&type, &qualifier))) log->SetFactoryApartment(type);
        return std::make_shared<RecordingPartner>(object, log);
    };
}
