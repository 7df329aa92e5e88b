#pragma once
// One request of a client to a character, and the partner of a common animation.
#include <cstdint>
#include <memory>
#include <string>

// What the request engine does to the partner character of a common animation.
class IRequestPartner {
public:
    virtual ~IRequestPartner() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetPosition(int32_t x, int32_t y) = 0;
};

struct Request {
    int32_t id = 0;
    std::string animationName;  // narrow, in the ANSI code page
    int32_t destinationX = 0;
    int32_t destinationY = 0;
    bool isShift = false;  // travel to the destination; otherwise one pass in place
    // Set for a common animation; the request holds its own reference until it ends.
    std::shared_ptr<IRequestPartner> partner;
};
