#pragma once
// Character: the client's handle on one animated character. It owns the character thread
// (and through it the character window) and the receiver window in the client's thread;
// requests are checked here and handed to the thread by synchronous message, control
// messages are posted, and window and position members act on the window directly.
#include "PlatformHeaders.h"

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ComObject.h"
#include "ComponentIds.h"
#include "CharacterQueries.h"
#include "CompletionWait.h"
#include "ConnectionPoint.h"
#include "Dispatch.h"
#include "ExceptionGuard.h"
#include "EventReceiver.h"
#include "Request.h"
#include "RequestCounter.h"
#include "SupportErrorInfo.h"

class CBalloon;
class CCharacterThread;
class CCharacterWindow;

enum class InitResult { Success, AlreadyInitialized, NoFile, FileListFailure };

class CCharacter final
    : public com::ComObject<CCharacter, com::SupportErrorInfo<ICharacter, ICharacter2>, IConnectionPointContainer,
                            com::Dispatch<ICharacter2>, IProvideClassInfo2, ICharacterInternal>,
      private INotificationTarget {
public:
    CCharacter();
    ~CCharacter() override;

    // Made by GraphicEngine.Load: the owner window reaches the new character thread alone.
    static HRESULT CreateOwnedBy(HWND owner, com::ComPtr<CCharacter>& created);

    // Finds the character's file in the installed-file list and loads it; throws when the
    // file cannot be read as a character (after the "Not valid character" box).
    InitResult InitCharacter(const std::wstring& id, const std::wstring& characterName);

    // Where a reference to this character is released when it is let go on another thread.
    HWND ReceiverWindow() const { return m_receiver.Handle(); }
    DWORD ApartmentThread() const { return m_apartmentThread; }

    // ICharacter
    STDMETHODIMP PlayCommonAnimation(BSTR animationName, ICharacter* otherCharacter, LONG* requestId) override;
    STDMETHODIMP StopCommonAnimation(LONG requestId) override;
    STDMETHODIMP Play(BSTR animationName, LONG destinationX, LONG destinationY, LONG isShift, LONG* requestId) override;
    STDMETHODIMP Show(LONG* requestId) override;
    STDMETHODIMP Hide(LONG* requestId) override;
    STDMETHODIMP DoIdle(LONG* requestId) override;
    STDMETHODIMP Interrupt(LONG requestId) override;
    STDMETHODIMP Continue(LONG requestId) override;
    STDMETHODIMP Stop(LONG requestId) override;
    STDMETHODIMP StopAll() override;
    STDMETHODIMP Speak(BSTR text, LONG* requestId) override;
    STDMETHODIMP WaitForRequest(LONG requestId, LONG* cause) override;
    STDMETHODIMP get_ID(BSTR* value) override;
    STDMETHODIMP get_Visible(LONG* value) override;
    STDMETHODIMP put_Visible(LONG value) override;
    STDMETHODIMP get_ZOrder(LONG* value) override;
    STDMETHODIMP put_ZOrder(LONG value) override;
    STDMETHODIMP get_hWnd(LONG* value) override;
    STDMETHODIMP get_ShowAnimation(BSTR* value) override;
    STDMETHODIMP put_ShowAnimation(BSTR value) override;
    STDMETHODIMP get_HideAnimation(BSTR* value) override;
    STDMETHODIMP put_HideAnimation(BSTR value) override;
    STDMETHODIMP get_IdleAnimation(BSTR* value) override;
    STDMETHODIMP put_IdleAnimation(BSTR value) override;
    STDMETHODIMP get_Width(LONG* value) override;
    STDMETHODIMP put_Width(LONG value) override;
    STDMETHODIMP get_Height(LONG* value) override;
    STDMETHODIMP put_Height(LONG value) override;
    STDMETHODIMP get_X(LONG* value) override;
    STDMETHODIMP put_X(LONG value) override;
    STDMETHODIMP get_Y(LONG* value) override;
    STDMETHODIMP put_Y(LONG value) override;
    STDMETHODIMP SetPosition(LONG x, LONG y) override;
    STDMETHODIMP AskForPosition(BSTR characterName, BSTR animationName, LONG* x, LONG* y) override;
    STDMETHODIMP AskForCurrentCharacterPosition(BSTR characterName, BSTR animationName, LONG characterX,
                                                LONG characterY, LONG* x, LONG* y) override;
    STDMETHODIMP is_enabled(LONG* is) override;
    STDMETHODIMP get_sound(LONG* value) override;
    STDMETHODIMP put_sound(LONG value) override;

    // ICharacter2 (CharacterBalloonMembers.cpp, CharacterStateMembers.cpp)
    STDMETHODIMP get_Balloon(IBalloon** balloon) override;
    STDMETHODIMP Think(BSTR text, LONG* requestId) override;
    STDMETHODIMP get_IdleOn(LONG* value) override;
    STDMETHODIMP put_IdleOn(LONG value) override;

    // ICharacter2, the desktop neighbour (CharacterNeighbourMembers.cpp)
    STDMETHODIMP get_YieldToFullScreen(LONG* value) override;
    STDMETHODIMP put_YieldToFullScreen(LONG value) override;
    STDMETHODIMP get_ClickThrough(LONG* value) override;
    STDMETHODIMP put_ClickThrough(LONG value) override;
    STDMETHODIMP get_Scale(LONG* value) override;
    STDMETHODIMP put_Scale(LONG value) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IProvideClassInfo2
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override;
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // ICharacterInternal
    CCharacter* STDMETHODCALLTYPE Self() override { return this; }

private:
    // Every member's body runs under the guard, with this class as the error's source.
    template <class Body>
    static HRESULT Guarded(Body&& body) {
        return com::Guarded(kCharacterSource, IID_ICharacter, body);
    }
    void* FindInterface(REFIID iid) override;
    HRESULT Construct() override;
    void FinalRelease() override;
    // Starts the thread and makes the receiver window.
    HRESULT Start();

    // Scripts' arguments that the type library's Invoke cannot take (CharacterInvoke.cpp).
    bool InvokeOwn(DISPID member, WORD flags, DISPPARAMS& parameters, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError, HRESULT& handled) override;
    HRESULT InvokePlayCommon(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError);
    HRESULT InvokeAskForPosition(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError);
    HRESULT InvokeAskForCurrent(DISPPARAMS& parameters, VARIANT* result, UINT* argumentError);

    // INotificationTarget: raises the events (CharacterEvents.cpp).
    void HandleNotification(UINT notification, WPARAM wParam, LPARAM lParam) override;
    void FireMove(WPARAM cause);

    // The position queries; false after their message box (CharacterPositionQueries.cpp).
    bool QueryPosition(BSTR characterName, BSTR animationName, QueryPoint& point);
    bool QueryCurrentPosition(BSTR characterName, BSTR animationName, int32_t characterX, int32_t characterY,
                              QueryPoint& point);

    // The listed spelling of an animation name (A to Z without case), or none.
    std::optional<std::wstring> ListedName(BSTR animationName) const;
    // Hands a request array to the character thread and returns its new ID.
    int32_t SendRequest(UINT message, SAFEARRAY* array);
    bool WindowExists() const;
    // Speak and Think with balloons on: a request with the text in the balloon's style.
    HRESULT QueueBalloon(RequestKind kind, BSTR text, LONG* requestId);
    // Show, Hide and DoIdle with their animation set: one pass in place.
    HRESULT QueueStateRequest(RequestKind kind, const std::wstring& animation, LONG* requestId);
    // Keeps the listed spelling of a state animation, or refuses an unknown one.
    HRESULT SetStateAnimation(BSTR value, std::wstring& field);
    // Idling on the character thread follows IdleOn and IdleAnimation.
    void ApplyIdle();
    HWND WindowHandle() const;
    CCharacterWindow& Window();
    const CCharacterWindow& Window() const;

    DWORD m_apartmentThread;
    std::unique_ptr<CCharacterThread> m_thread;
    CEventReceiver m_receiver;
    com::ConnectionPoint m_events;
    CompletionBook m_completions;
    RequestCounter m_requests;
    std::optional<std::wstring> m_id;
    std::wstring m_characterName;
    std::wstring m_fileName;
    std::vector<std::wstring> m_animationNames;
    com::ComPtr<CBalloon> m_balloon;  // made when a client first asks for it
    std::wstring m_showAnimation, m_hideAnimation, m_idleAnimation;  // in the list's spelling
    std::vector<std::wstring> m_idleNames;
    bool m_idleOn = false;
    bool m_yieldToFullScreen = false;
    bool m_clickThrough = false;
    LONG m_scalePercent = 100;
    std::minstd_rand m_idleChoice;
};
