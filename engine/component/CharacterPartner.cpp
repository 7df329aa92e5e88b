#include "CharacterPartner.h"

#include "CCharacter.h"
#include "ComPtr.h"
#include "EventReceiver.h"

namespace {

class CharacterPartner final : public IRequestPartner {
public:
    // An engine character lives in its client's apartment: its last release must run there.
    explicit CharacterPartner(CCharacter& partner)
        : m_partner(static_cast<ICharacter*>(&partner)),
          m_receiver(partner.ReceiverWindow()),
          m_apartmentThread(partner.ApartmentThread()) {}
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
    HWND m_receiver;
    DWORD m_apartmentThread;
};

}  // namespace

// Only the engine's own character object becomes a partner; anything else is refused.
std::shared_ptr<IRequestPartner> MakeCharacterPartner(IUnknown* other) {
    const com::ComPtr<ICharacterInternal> internal = com::QueryAs<ICharacterInternal>(other);
    if (!internal) return nullptr;
    return std::make_shared<CharacterPartner>(*internal->Self());
}
