#pragma once
// One request of a client to a character, and the partner of a common animation.
#include <cstdint>
#include <memory>
#include <string>

#include "BalloonStyle.h"

// What the request engine does to the partner character of a common animation.
class IRequestPartner {
public:
    virtual ~IRequestPartner() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetPosition(int32_t x, int32_t y) = 0;
};

// Play and PlayCommonAnimation make Play requests; the others come with ICharacter2.
enum class RequestKind : uint8_t {
    Play,
    Show,    // shows the window without the focus, then plays its animation in place
    Hide,    // plays its animation in place, then hides the window
    Speak,   // a speech balloon with the text for its reading time; no animation
    Think,   // the same in a thought balloon
};

struct Request {
    int32_t id = 0;
    std::string animationName;  // narrow, in the ANSI code page
    int32_t destinationX = 0;
    int32_t destinationY = 0;
    bool isShift = false;  // travel to the destination; otherwise one pass in place
    // Set for a common animation; the request holds its own reference until it ends.
    std::shared_ptr<IRequestPartner> partner;
    RequestKind kind = RequestKind::Play;
    // One pass where the character stands when the request starts (Show, Hide, DoIdle).
    bool inPlace = false;
    std::u16string text;  // Speak and Think
    BalloonStyle balloon;
};

inline bool IsBalloonRequest(const Request& request) {
    return request.kind == RequestKind::Speak || request.kind == RequestKind::Think;
}
