#include "FrameEditor.h"

#include <algorithm>

#include "FieldText.h"
#include "FrameDrag.h"
#include "ImportedAnimation.h"
#include "KeyedPicture.h"
#include "PointMarks.h"
#include "SourcePictures.h"

void CFrameEditor::SetAnimation(CAnimation animation) {
    m_animation = std::move(animation);
    m_dragging = false;
    m_selectedPoint.clear();
    ClampCurrentIndex();
    m_history.Reset(m_animation);
}

void CFrameEditor::SetName(std::string name) {
    m_animation.name = std::move(name);
    Record("name");
}

void CFrameEditor::Record(const std::string& mergeKey) { m_history.Record(m_animation, mergeKey); }

std::string CFrameEditor::FieldKey(const char* field) const {
    return field + std::string(":") + std::to_string(m_current);
}

CFrame* CFrameEditor::CurrentFrame() {
    return m_current < m_animation.frames.size() ? &m_animation.frames[m_current] : nullptr;
}

const CFrame* CFrameEditor::CurrentFrame() const {
    return m_current < m_animation.frames.size() ? &m_animation.frames[m_current] : nullptr;
}

bool CFrameEditor::ClampCurrentIndex() {
    if (m_animation.frames.empty()) {
        m_current = 0;
        return false;
    }
    if (m_current >= m_animation.frames.size()) m_current = m_animation.frames.size() - 1;
    return true;
}

std::vector<std::string> CFrameEditor::FrameListItems() const {
    std::vector<std::string> items;
    items.reserve(m_animation.frames.size());
    for (size_t i = 0; i < m_animation.frames.size(); ++i) items.push_back(FrameListItem(i));
    return items;
}

bool CFrameEditor::SelectFrame(size_t index) {
    const size_t previous = m_current;
    m_current = index;
    return index < m_animation.frames.size() && index == previous;
}

void CFrameEditor::InsertNewFrame() {
    m_current = InsertFrameAfter(m_animation, m_current);
    Record();
}

DeleteOutcome CFrameEditor::DeleteCurrentFrame() {
    const DeleteOutcome outcome = DeleteFrameAt(m_animation, m_current);
    Record();
    return outcome;
}

bool CFrameEditor::DuplicateCurrentFrame() {
    if (CurrentFrame() == nullptr) return false;
    m_current = DuplicateFrameAt(m_animation, m_current);
    Record();
    return true;
}

bool CFrameEditor::MoveCurrentFrame(FrameMove direction) {
    if (!MoveFrame(m_animation, m_current, direction)) return false;
    Record();
    return true;
}

bool CFrameEditor::PasteFrames(std::vector<CFrame> frames) {
    if (frames.empty()) return false;
    auto& mine = m_animation.frames;
    const size_t at = mine.empty() ? 0 : m_current + 1;
    mine.insert(mine.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(frames.begin()),
                std::make_move_iterator(frames.end()));
    m_current = at;
    Record();
    return true;
}

bool CFrameEditor::PastePicture(CBryDIB picture) {
    CFrame* frame = CurrentFrame();
    if (frame == nullptr || picture.IsEmpty()) return false;
    frame->image = std::move(picture);
    Record();
    return true;
}

std::string CFrameEditor::InsertPictureFiles(const std::vector<std::string>& paths) {
    const SourceFrames sources = ReadPictureFiles(paths);
    if (sources.frames.empty()) return sources.error;
    ImportFrameSettings settings;
    if (const CFrame* frame = CurrentFrame()) settings = {frame->displayTime, frame->anchor, frame->shift};
    CAnimation pictures = AnimationFromSources(sources.frames, settings);
    auto& frames = m_animation.frames;
    const size_t at = frames.empty() ? 0 : m_current + 1;
    frames.insert(frames.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(pictures.frames.begin()),
                  std::make_move_iterator(pictures.frames.end()));
    m_current = at;
    Record();
    return std::string();
}

// As an import takes it: soft edges kept in 32 bits, other pictures 24-bit and keyed.
bool CFrameEditor::LoadPicture(const std::string& path) {
    CFrame* frame = CurrentFrame();
    const SourceFrames sources = frame != nullptr ? ReadPictureFiles({path}) : SourceFrames{};
    const bool loaded = !sources.frames.empty();
    if (loaded) frame->image = CBryDIB(FramePictureBlock(sources.frames.front()));
    Record();
    return loaded;
}

void CFrameEditor::SetSound(std::string sound) {
    if (CFrame* frame = CurrentFrame()) frame->sound = std::move(sound);
    Record();
}

void CFrameEditor::PutOrigin(const std::string& name) {
    if (CFrame* frame = CurrentFrame()) frame->SetOrigin(name, {0.0f, 0.0f});
    Record();
}

void CFrameEditor::SetShiftX(const std::string& text) {
    if (CFrame* frame = CurrentFrame()) frame->shift.x = static_cast<float>(ParseLikeAtol(text));
    Record(FieldKey("shift-x"));
}

void CFrameEditor::SetShiftY(const std::string& text) {
    if (CFrame* frame = CurrentFrame()) frame->shift.y = static_cast<float>(ParseLikeAtol(text));
    Record(FieldKey("shift-y"));
}

void CFrameEditor::DisplayTimeTyped() { Record(FieldKey("time")); }

bool CFrameEditor::Press(float x, float y, int clientWidth, int clientHeight, const std::string& characterName) {
    const CFrame* frame = CurrentFrame();
    if (frame == nullptr) return false;
    const auto hit = HitMark(PointMarks(*frame, characterName, clientWidth, clientHeight, m_zoom), x, y);
    if (!hit) return false;
    m_dragging = true;
    m_dragTarget = *hit;
    m_selectedPoint = *hit == characterName ? std::string() : *hit;
    m_lastMouse = {x, y};
    return true;
}

bool CFrameEditor::MoveTo(float x, float y, const std::string& characterName) {
    if (!m_dragging) return false;
    const auto scale = static_cast<float>(m_zoom);
    ApplyDrag(m_animation, m_current, m_dragTarget, characterName, (x - m_lastMouse.x) / scale,
              (y - m_lastMouse.y) / scale);
    m_lastMouse = {x, y};
    return true;
}

void CFrameEditor::Release() {
    if (!m_dragging) return;
    m_dragging = false;
    Record();
}

// An origin selected on another frame that this frame lacks is not made here by a key press:
// the keys then move nothing.
void CFrameEditor::Nudge(float dx, float dy, const std::string& characterName) {
    const CFrame* frame = CurrentFrame();
    if (frame == nullptr) return;
    if (!m_selectedPoint.empty() && frame->FindOrigin(m_selectedPoint) == nullptr) return;
    ApplyDrag(m_animation, m_current, m_selectedPoint.empty() ? characterName : m_selectedPoint, characterName, dx, dy);
    Record();
}

bool CFrameEditor::Undo() {
    if (!m_history.Undo(m_animation)) return false;
    AfterHistoryMove();
    return true;
}

bool CFrameEditor::Redo() {
    if (!m_history.Redo(m_animation)) return false;
    AfterHistoryMove();
    return true;
}

void CFrameEditor::AfterHistoryMove() {
    m_dragging = false;
    ClampCurrentIndex();
}

const CFrame* CFrameEditor::OnionFrame(OnionSide side) const {
    if (!ShowsOnion(side)) return nullptr;
    const auto index = OnionNeighbour(m_animation.frames.size(), m_current, side);
    return index ? &m_animation.frames[*index] : nullptr;
}

bool CFrameEditor::ZoomIn() {
    if (m_zoom >= kMaxZoom) return false;
    ++m_zoom;
    return true;
}

bool CFrameEditor::ZoomOut() {
    if (m_zoom <= kMinZoom) return false;
    --m_zoom;
    return true;
}

bool CFrameEditor::ResetZoom() {
    if (m_zoom == m_startingZoom) return false;
    m_zoom = m_startingZoom;
    return true;
}

void CFrameEditor::SetStartingZoom(int zoom) {
    m_startingZoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_zoom = m_startingZoom;
}

int StartingZoomForDpi(unsigned dpi) {
    constexpr unsigned kNaturalDpi = 96;
    const auto steps = static_cast<int>((std::max(dpi, kNaturalDpi) + kNaturalDpi - 1) / kNaturalDpi);
    return std::clamp(steps, kMinZoom, kMaxZoom);
}

int ZoomAfterDpiChange(int zoom, unsigned oldDpi, unsigned newDpi) {
    if (oldDpi == 0 || newDpi == 0 || zoom == StartingZoomForDpi(oldDpi)) return StartingZoomForDpi(newDpi);
    const auto scaled = (static_cast<long long>(zoom) * newDpi + oldDpi / 2) / oldDpi;
    return static_cast<int>(std::clamp<long long>(scaled, kMinZoom, kMaxZoom));
}

void CFrameEditor::FollowDpi(unsigned oldDpi, unsigned newDpi) {
    const int zoom = ZoomAfterDpiChange(m_zoom, oldDpi, newDpi);
    m_startingZoom = StartingZoomForDpi(newDpi);
    m_zoom = zoom;
}

bool CFrameEditor::ZoomByWheel(int wheelDelta) {
    if (wheelDelta > 0) return ZoomIn();
    if (wheelDelta < 0) return ZoomOut();
    return false;
}
