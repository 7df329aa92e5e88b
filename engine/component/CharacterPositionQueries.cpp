// AskForPosition and AskForCurrentCharacterPosition: where a partner belongs relative to this
// character, from the first frame of a listed animation. An animation without frames (or a
// listed name the model does not hold exactly) reads nothing and says "Animation not found".
#include "AnsiText.h"
#include "Bstr.h"
#include "CCharacter.h"
#include "CCharacterThread.h"
#include "CharacterQueries.h"
#include "MessageBoxes.h"

namespace {

// Shows the box for a failed query; true when the query found its point.
bool Answered(QueryOutcome outcome, HWND owner) {
    if (outcome == QueryOutcome::AnimationNotFound) ShowErrorBox(owner, "Animation not found");
    if (outcome == QueryOutcome::CharacterNotFound) ShowErrorBox(owner, "Character not found");
    return outcome == QueryOutcome::Found;
}

}  // namespace

bool CCharacter::QueryPosition(BSTR characterName, BSTR animationName, QueryPoint& point) {
    const std::optional<std::wstring> listed = ListedName(animationName);
    if (!listed) return Answered(QueryOutcome::AnimationNotFound, m_receiver.Handle());
    return Answered(::AskForPosition(Window().Model(), Window().Position(), ToAnsi(*listed),
                                     ToAnsi(com::TextOf(characterName)), point,
                                     Window().Scale()),
                    m_receiver.Handle());
}

bool CCharacter::QueryCurrentPosition(BSTR characterName, BSTR animationName, int32_t characterX, int32_t characterY,
                                      QueryPoint& point) {
    const std::optional<std::wstring> listed = ListedName(animationName);
    if (!listed) return Answered(QueryOutcome::AnimationNotFound, m_receiver.Handle());
    return Answered(::AskForCurrentCharacterPosition(Window().Model(), ToAnsi(*listed),
                                                     ToAnsi(com::TextOf(characterName)), characterX, characterY, point,
                                                     Window().Scale()),
                    m_receiver.Handle());
}

STDMETHODIMP CCharacter::AskForPosition(BSTR characterName, BSTR animationName, LONG* x, LONG* y) {
    return Guarded([&]() -> HRESULT {
        QueryPoint point;
        if (!QueryPosition(characterName, animationName, point)) return S_OK;  // out-values untouched
        if (x != nullptr) *x = point.x;
        if (y != nullptr) *y = point.y;
        return S_OK;
    });
}

STDMETHODIMP CCharacter::AskForCurrentCharacterPosition(BSTR characterName, BSTR animationName, LONG characterX,
                                                        LONG characterY, LONG* x, LONG* y) {
    return Guarded([&]() -> HRESULT {
        QueryPoint point;
        if (!QueryCurrentPosition(characterName, animationName, characterX, characterY, point)) return S_OK;
        if (x != nullptr) *x = point.x;
        if (y != nullptr) *y = point.y;
        return S_OK;
    });
}
