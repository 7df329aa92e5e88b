#pragma once
// A full-screen window at the bottom of the z-order painted like a desktop (sky, hills,
// ground), so that pictures of the run show the characters' transparency against colours
// and not against a black screen. It is disabled, so that it is never activated and raised
// over the characters when the active one hides; closing it ends the demo.
#include "ClientHandles.h"
#include "StageLayout.h"

class Backdrop {
public:
    explicit Backdrop(const StageLayout& layout);
    bool Shown() const { return m_window.Get() != nullptr; }

private:
    OwnedWindow m_window;
};
