#include "CCharacter.h"

#include "CBalloon.h"

#include <mutex>
#include <new>

#include "CCharacterThread.h"
#include "CharacterPartner.h"
#include "CharacterStartError.h"
#include "OwnerWindowSlot.h"

namespace {

// Held from writing the owner-window slot until the new thread has read it, so that two
// characters starting at once cannot take each other's owner.
std::mutex g_startLock;

CharacterThreadOptions ThreadOptions() {
    CharacterThreadOptions options;
    options.partnerFactory = &MakeCharacterPartner;
    return options;
}

}  // namespace

CCharacter::CCharacter() : m_apartmentThread(GetCurrentThreadId()), m_events(*this, DIID__ICharacterEvents) {}

// Teardown order: the receiver window first (no event is raised any more), then the thread,
// which has ended when the thread object is gone; the window object goes with it.
CCharacter::~CCharacter() = default;

void CCharacter::FinalRelease() {
    m_receiver.Destroy();
    m_thread.reset();
    m_events.DisconnectAll();
}

void* CCharacter::FindInterface(REFIID iid) {
    if (IsEqualIID(iid, IID_ICharacter2) || IsEqualIID(iid, IID_ICharacter) || IsEqualIID(iid, IID_IDispatch)) {
        return static_cast<ICharacter2*>(this);
    }
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) return static_cast<ISupportErrorInfo*>(this);
    if (IsEqualIID(iid, IID_IConnectionPointContainer)) return static_cast<IConnectionPointContainer*>(this);
    if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2)) {
        return static_cast<IProvideClassInfo2*>(this);
    }
    if (IsEqualIID(iid, __uuidof(ICharacterInternal))) return static_cast<ICharacterInternal*>(this);
    return nullptr;
}

// A character made through its class object takes whatever owner the slot holds.
HRESULT CCharacter::Construct() {
    const std::lock_guard<std::mutex> guard(g_startLock);
    return Start();
}

HRESULT CCharacter::CreateOwnedBy(HWND owner, com::ComPtr<CCharacter>& created) {
    created = Make();
    if (!created) return E_OUTOFMEMORY;
    const std::lock_guard<std::mutex> guard(g_startLock);
    SetOwnerWindowSlot(owner);
    const HRESULT started = created->Start();
    if (FAILED(started)) created.Reset();
    return started;
}

HRESULT CCharacter::Start() {
    try {
        m_thread = std::make_unique<CCharacterThread>(ThreadOptions());
    } catch (const CharacterStartError&) {
        return E_OUTOFMEMORY;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (!m_receiver.Create(*this)) {
        const DWORD error = GetLastError();
        return error != 0 ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    m_thread->SetReceiverWindow(m_receiver.Handle());
    return S_OK;
}

CCharacterWindow& CCharacter::Window() { return m_thread->Window(); }

const CCharacterWindow& CCharacter::Window() const { return m_thread->Window(); }

bool CCharacter::WindowExists() const { return m_thread && Window().Exists(); }

HWND CCharacter::WindowHandle() const { return WindowExists() ? Window().Handle() : nullptr; }
