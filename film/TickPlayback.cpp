#include "TickPlayback.h"

#include <algorithm>
#include <tuple>

#include "CAnimationPlayer.h"
#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "CRequestEngine.h"
#include "CharacterMessages.h"
#include "IntegerConversion.h"
#include "RuntimeConstants.h"

namespace {

// The platform side of the tick: a clock that advances one period per tick, presents handed to
// the sink, sounds ignored.
class FilmHost : public IRequestHost {
public:
    FilmHost(CCharacterScene& scene, const TickSink& sink) : m_scene(scene), m_sink(sink) {}

    void SetTick(uint32_t tick) { m_now = tick; }
    bool Completed() const { return m_completed; }
    uint32_t Presented() const { return m_presented; }

    uint32_t TickCount() override { return m_now; }
    void Notify(unsigned notification, int32_t) override { m_completed |= notification == CRN_REQUESTCOMPLETE; }
    void PlaySound(const std::string&) override {}
    void PresentBusy() override {
        m_scene.SaveBack();
        // The surface is drawn at the frame rectangle's top-left; beyond its size nothing shows.
        const FrameRectangle& rect = m_scene.Rect();
        const ScreenRect shown{rect.left, rect.top, std::min(rect.right, SaturatingAdd(rect.left, kDrawingWidth)),
                               std::min(rect.bottom, SaturatingAdd(rect.top, kDrawingHeight))};
        m_sink(m_scene.Back(), IsEmptyRect(shown) ? ScreenRect{} : shown);
        ++m_presented;
    }
    void PresentIdle() override {}

private:
    CCharacterScene& m_scene;
    const TickSink& m_sink;
    uint32_t m_now = 0;
    uint32_t m_presented = 0;
    bool m_completed = false;
};

}  // namespace

uint32_t PlayTicks(const CCharacterModel& model, const PlaybackRequest& request, const TickSink& sink) {
    CAnimationPlayer player(&model);
    CCharacterScene scene;
    scene.UseOpacity(ModelHasOpacity(model));
    FilmHost host(scene, sink);
    CRequestEngine engine(model, player, scene, host);
    Request play;
    play.id = 1;
    play.animationName = request.animationName;
    play.isShift = request.destination.has_value();
    if (request.destination) std::tie(play.destinationX, play.destinationY) = *request.destination;
    engine.Append(std::move(play));
    for (uint32_t tick = 0; tick < request.maxTicks && !host.Completed(); ++tick) {
        host.SetTick(tick * kTickPeriodMs);
        engine.Tick();
    }
    return host.Presented();
}

bool WalksAwayFromDestination(const CCharacterModel& model, const PlaybackRequest& request) {
    if (!request.destination) return false;
    CAnimationPlayer player(&model);
    return !player.Prepare(request.animationName, static_cast<float>(request.destination->first),
                           static_cast<float>(request.destination->second), false);
}

ScreenRect UnionOf(const ScreenRect& a, const ScreenRect& b) {
    if (IsEmptyRect(a)) return b;
    if (IsEmptyRect(b)) return a;
    return ScreenRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                      std::max(a.bottom, b.bottom)};
}
