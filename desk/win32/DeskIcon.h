#pragma once
// The companion's small icon, drawn in code: a puppy's face.
#include <windows.h>

class DeskIcon {
public:
    DeskIcon();
    DeskIcon(const DeskIcon&) = delete;
    DeskIcon& operator=(const DeskIcon&) = delete;
    ~DeskIcon();
    // The drawn icon, or the system's application icon when drawing failed.
    HICON Get() const;

private:
    HICON m_icon = nullptr;
};
