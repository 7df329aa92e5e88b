#pragma once
// What one change did to an animation: its name and reserved words, and one run of frames
// replaced by another. Pictures that the change left alone are kept on neither side: they are
// taken from the animation the difference is applied to, so a step costs little memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CAnimation.h"

class CAnimationDiff {
public:
    static CAnimationDiff Between(const CAnimation& before, const CAnimation& after);

    bool IsEmpty() const { return m_empty; }
    // Turns the animation as it was after the change back into what it was before, or the other way.
    void Undo(CAnimation& animation) const { Apply(animation, m_after, m_before, m_nameBefore, m_reservedBefore); }
    void Redo(CAnimation& animation) const { Apply(animation, m_before, m_after, m_nameAfter, m_reservedAfter); }
    // The memory the difference holds, in bytes (near enough for a budget).
    size_t Bytes() const;

private:
    void Apply(CAnimation& animation, const std::vector<CFrame>& present, const std::vector<CFrame>& wanted,
               const std::string& name, const uint32_t (&reserved)[2]) const;

    bool m_empty = true;
    std::string m_nameBefore, m_nameAfter;
    uint32_t m_reservedBefore[2] = {0, 0};
    uint32_t m_reservedAfter[2] = {0, 0};
    size_t m_first = 0;  // index of the first frame of the run
    std::vector<CFrame> m_before, m_after;
    std::vector<bool> m_pictureKept;  // per position in both runs: the same picture, held by neither
};

// Memory a frame holds, in bytes (near enough for a budget).
size_t FrameBytes(const CFrame& frame);
