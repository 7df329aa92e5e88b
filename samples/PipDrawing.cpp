#include "PipDrawing.h"

#include <algorithm>

#include "Shading.h"

namespace {

const Colour kFur{230, 168, 96};
const Colour kFarFur{176, 116, 64};
const Colour kEar{142, 86, 50};
const Colour kCream{252, 236, 206};
const Colour kOutline{62, 36, 22};
const Colour kNose{46, 32, 30};
const Colour kEye{34, 24, 22};
const Colour kWhite{255, 255, 255};
const Colour kCollar{214, 46, 58};
const Colour kTag{250, 204, 70};
const Colour kMouth{118, 34, 40};
const Colour kTongue{238, 112, 124};
const Colour kBlush{240, 120, 120};

constexpr float kLine = 1.6f;  // outline width of the main pieces
constexpr float kLegLength = 21.0f;
constexpr float kPawRestY = kPipGroundY - 4.3f;  // paw centres of standing legs

// Draws one pose. Pieces are placed on a resting layout, then moved by the pose:
// the body rises and leans about the back hip, the head turns about the neck.
class PipPainter {
public:
    PipPainter(const PipPose& pose, int width) : m_pose(pose), m_canvas(width, kPipHeight) {}

    Canvas Draw() {
        DrawTail();
        DrawLeg(m_backHip + kFarOffset, m_pose.backFar, kFarFur);
        DrawLeg(m_frontHip + kFarOffset, m_pose.frontFar, kFarFur);
        DrawBody();
        DrawLeg(m_backHip, m_pose.backNear, kFur);
        DrawHaunch();
        DrawLeg(m_frontHip, m_pose.frontNear, kFur);
        DrawCollar();
        DrawHead();
        m_canvas.FillEnclosedGaps(kOutline);
        return std::move(m_canvas);
    }

private:
    static constexpr Vec2 kFarOffset{4.0f, -1.5f};
    const Vec2 m_backHip{31, 91};
    const Vec2 m_frontHip{57, 91};
    const Vec2 m_neck{57, 67};

    float BodyTurn() const { return -m_pose.lean; }
    float HeadTurn() const { return BodyTurn() - m_pose.headTilt; }

    Vec2 Body(Vec2 p) const {
        const Vec2 raised{p.x, p.y - m_pose.bodyRise};
        return m_backHip + Rotate(raised - m_backHip, BodyTurn());
    }
    Vec2 Head(Vec2 p) const { return Body(m_neck + Rotate(p - m_neck, -m_pose.headTilt)); }

    // An outlined ellipse lit as a rounded piece.
    void Piece(Vec2 centre, Vec2 radii, float angle, Colour colour) {
        const Ellipse shape(centre, radii, angle);
        m_canvas.FillOutlined(shape, SpherePaint(centre, radii, angle, colour), kLine, kOutline);
    }

    // A tapering tail in two pieces that curls forwards towards its cream tip.
    void DrawTail() {
        const float angle = kPi + 0.75f + m_pose.tailSwing - m_pose.lean;
        const Vec2 base = Body({26, 81});
        const Vec2 bend = base + LimbDirection(angle) * 9.0f;
        const Vec2 tip = bend + LimbDirection(angle - 0.55f - 0.4f * m_pose.tailSwing) * 9.0f;
        const Capsule lower(base, bend, 4.4f, 3.3f), upper(bend, tip, 3.3f, 2.3f);
        m_canvas.Outline(lower, kLine, kOutline);
        m_canvas.Outline(upper, kLine, kOutline);
        m_canvas.Fill(lower, CylinderPaint(base, bend, 4.4f, kFur));
        m_canvas.Fill(upper, CylinderPaint(bend, tip, 3.3f, kFur));
        m_canvas.Fill(Capsule(Lerp(bend, tip, 0.6f), tip, 2.9f, 2.3f), CylinderPaint(bend, tip, 3.3f, kCream),
                      Blend::Inside);
    }

    void DrawLeg(Vec2 restingHip, const LegPose& leg, Colour colour) {
        const Vec2 hip = Body(restingHip);
        const Vec2 direction = LimbDirection(leg.angle);
        // A standing leg stretches or shortens so that its paw stays on the ground.
        const float toGround = (kPawRestY - leg.lift - hip.y) / std::max(direction.y, 0.3f);
        const Vec2 foot = hip + direction * (leg.raised ? kLegLength : toGround);
        const Capsule limb(hip, foot, 5.6f, 4.6f);
        m_canvas.FillOutlined(limb, CylinderPaint(hip, foot, 5.6f, colour), kLine, kOutline);
        // The paw points the toes forwards and turns with the leg.
        const Vec2 paw = foot + Rotate({2.5f, 0.0f}, -leg.angle);
        Piece(paw, {6.6f, 4.3f}, -leg.angle, Mix(colour, kCream, 0.55f));
        const Vec2 toe = paw + Rotate({3.2f, -0.5f}, -leg.angle);
        m_canvas.Stroke({toe + Rotate({0, -2.2f}, -leg.angle), toe}, 1.0f, Mix(kOutline, colour, 0.35f));
    }

    // The thigh over the top of the near back leg.
    void DrawHaunch() {
        const Vec2 centre = Body({31, 87});
        const float angle = BodyTurn() - 0.25f + 0.5f * m_pose.backNear.angle;
        Piece(centre, {7.5f, 9.5f}, angle, kFur);
    }

    void DrawBody() {
        const Vec2 centre = Body({44, 85});
        const Vec2 radii{22.0f, 15.0f + 0.9f * m_pose.breath};
        const float turn = BodyTurn();
        Piece(centre, radii, turn, kFur);
        // Cream belly and a darker saddle patch, lit like the body they sit on.
        const Vec2 belly = Body({48, 93});
        m_canvas.Fill(Ellipse(belly, {13.0f, 5.5f + 0.5f * m_pose.breath}, turn),
                      SpherePaint(centre, radii, turn, kCream), Blend::Inside);
        const Vec2 saddle = Body({38, 76});
        m_canvas.Fill(Ellipse(saddle, {9.0f, 5.0f}, turn - 0.15f), SpherePaint(centre, radii, turn, kEar),
                      Blend::Inside, 0.85f);
    }

    void DrawCollar() {
        const Vec2 a = Head({49, 65}), b = Head({64, 70});
        m_canvas.FillOutlined(Capsule(a, b, 3.0f), CylinderPaint(a, b, 3.0f, kCollar), 1.2f, kOutline);
        const Vec2 tag = Head({58, 73.5f});
        m_canvas.FillOutlined(Ellipse(tag, {2.8f, 2.8f}), SpherePaint(tag, {2.8f, 2.8f}, 0, kTag), 1.1f, kOutline);
    }

    void DrawHead() {
        const float turn = HeadTurn();
        const Vec2 head = Head({64, 50}), headRadii{19.5f, 18.0f};
        const Vec2 snout = Head({79, 59}), snoutRadii{10.5f, 7.5f};
        const Vec2 mouth = Head({78, 65}), mouthRadii{6.5f, 4.5f};
        // One outline around head, muzzle (and open mouth), so they read as a single shape.
        m_canvas.Outline(Ellipse(head, headRadii, turn), kLine, kOutline);
        m_canvas.Outline(Ellipse(snout, snoutRadii, turn), kLine, kOutline);
        if (m_pose.mouthOpen) m_canvas.Outline(Ellipse(mouth, mouthRadii, turn), kLine, kOutline);
        m_canvas.Fill(Ellipse(head, headRadii, turn), SpherePaint(head, headRadii, turn, kFur));
        if (m_pose.mouthOpen) DrawOpenMouth(mouth, mouthRadii, turn);
        m_canvas.Fill(Ellipse(snout, snoutRadii, turn), SpherePaint(snout, snoutRadii, turn, kCream));
        DrawFace(turn);
        DrawEar(turn);
    }

    void DrawOpenMouth(Vec2 centre, Vec2 radii, float turn) {
        m_canvas.Fill(Ellipse(centre, radii, turn), SpherePaint(centre, radii, turn, kMouth));
        const Vec2 tongue = Head({77, 68});
        m_canvas.Fill(Ellipse(tongue, {4.2f, 2.6f}, turn), SpherePaint(tongue, {4.2f, 2.6f}, turn, kTongue),
                      Blend::Inside);
    }

    void DrawFace(float turn) {
        const Vec2 nose = Head({87.5f, 54.5f});
        m_canvas.FillOutlined(Ellipse(nose, {4.0f, 3.2f}, turn), SpherePaint(nose, {4.0f, 3.2f}, turn, kNose), 1.0f,
                              kOutline);
        m_canvas.Fill(Ellipse(Head({86.5f, 53.2f}), {1.4f, 0.9f}, turn), Flat(kWhite), Blend::Inside, 0.8f);
        if (!m_pose.mouthOpen) {
            m_canvas.Stroke(QuadraticCurve(Head({86, 58}), Head({83, 64}), Head({75, 62.5f}), 6), 1.3f, kOutline);
        }
        m_canvas.Fill(Ellipse(Head({70, 59}), {3.8f, 2.4f}, turn), Flat(kBlush), Blend::Inside, 0.35f);
        DrawEye(turn);
    }

    void DrawEye(float turn) {
        const Vec2 eye = Head({70, 47});
        if (m_pose.eyesClosed) {
            m_canvas.Stroke(QuadraticCurve(Head({66.5f, 47}), Head({70, 50}), Head({73.5f, 47}), 6), 1.5f, kEye);
            return;
        }
        m_canvas.Fill(Ellipse(eye, {2.9f, 3.9f}, turn), Flat(kEye));
        m_canvas.Fill(Ellipse(Head({69.2f, 45.4f}), {1.2f, 1.3f}, turn), Flat(kWhite), Blend::Inside);
        m_canvas.Stroke(QuadraticCurve(Head({66, 41}), Head({69.5f, 39}), Head({73, 40.5f}), 4), 1.2f,
                        Mix(kOutline, kFur, 0.3f));
    }

    void DrawEar(float turn) {
        const float angle = turn + 0.35f + m_pose.earSwing;
        const Vec2 top = Head({55, 38});
        const Vec2 centre = top + Rotate({0.0f, 12.0f}, angle);
        Piece(centre, {7.0f, 13.0f}, angle, kEar);
    }

    const PipPose& m_pose;
    Canvas m_canvas;
};

}  // namespace

Canvas DrawPip(const PipPose& pose, int width) { return PipPainter(pose, width).Draw(); }
