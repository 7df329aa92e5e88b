#include "CharacterPartner.h"

#include "CCharacter.h"
#include "ComPtr.h"
#include "EventReceiver.h"

namespace {

class CharacterPartner final : public IRequestPartner {
public:
    explicit CharacterPartner(com::ComPtr<ICharacter> partner) : m_partner(std::move(partner)) {
        // An engine character lives in its client's apartment: its last release must run there.
        if (const auto internal = com::QueryAs<ICharacterInternal>(m_partner.Get())) {
            m_receiver = internal->Self()->ReceiverWindow();
            m_apartmentThread = internal->Self()->ApartmentThread();
        }
    }
    CharacterPartner(const CharacterPartner&) = delete;
    CharacterPartner& operator=(const CharacterPartner&) = delete;

    ~CharacterPartner() override {
        if (m_receiver == nullptr || GetCurrentThreadId() == m_apartmentThread) return;
        ICharacter* reference = m_partner.Detach();
        if (!CEventReceiver::PostRelease(m_receiver, reference)) reference->Release();
    }

    void SetVisible(bool visible) override { m_partner->put_Visible(visible ? 1 : 0); }
    void SetPosition(int32_t x, int32_t y) override { m_partner->SetPosition(x, y); }

private:
    com::ComPtr<ICharacter> m_partner;
    HWND m_receiver = nullptr;
    DWORD m_apartmentThread = 0;
};

}  // namespace

std::shared_ptr<IRequestPartner> MakeCharacterPartner(IUnknown* other) {
    com::ComPtr<ICharacter> partner = com::QueryAs<ICharacter>(other);
    if (!partner) return nullptr;
    return std::make_shared<CharacterPartner>(std::move(partner));
}
