#include "BoardRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
constexpr int W = 588, H = 442;
constexpr double kDeg = std::numbers::pi / 180;

double AngleToUp(const TGLCamera& c)
{
    const Vec3 n = (c.absolutePosition() - c.targetObject()->absolutePosition()).normalized();
    return std::acos(c.up().dot(n));
}

double Distance(const TGLCamera& c) { return (c.absolutePosition() - c.targetObject()->absolutePosition()).length(); }

// A plain pinhole model of the board camera, written independently of the
// engine's matrices: eye (2, 2, 15) looking at the origin, world +x up.
Vec3 PinholeProject(const Vec3& world)
{
    const Vec3 eye{2, 2, 15};
    const Vec3 f = (Vec3{} - eye).normalized();
    const Vec3 s = f.cross(Vec3{1, 0, 0}).normalized();
    const Vec3 u = s.cross(f);
    const Vec3 d = world - eye;
    const double tanX = 25.4 * W / (4 * 50 * 96.0), tanY = tanX * H / W;
    return {W / 2.0 * (1 + d.dot(s) / d.dot(f) / tanX), H / 2.0 * (1 - d.dot(u) / d.dot(f) / tanY), d.dot(f)};
}
}  // namespace

TEST(Camera, FieldOfViewAndPlanesFollowTheLensModel)
{
    BoardRig rig;
    EXPECT_NEAR(rig.board.camera->halfFieldTangent(W, H), 0.778, 0.0005);
    EXPECT_NEAR(rig.board.camera->nearPlane(W, H), 50 * 2 * 96 / (25.4 * 588), 1e-12);
    // The longer side decides, whichever it is.
    EXPECT_DOUBLE_EQ(rig.board.camera->halfFieldTangent(H, W), rig.board.camera->halfFieldTangent(W, H));
    const Mat4 p = rig.board.camera->projectionMatrix(W, H);
    const double n = rig.board.camera->nearPlane(W, H), f = n + 100;
    // A point on the far plane maps to depth +1, on the near plane to -1.
    EXPECT_NEAR(p.mapPoint({0, 0, -f}).z, 1, 1e-9);
    EXPECT_NEAR(p.mapPoint({0, 0, -n}).z, -1, 1e-9);
}

TEST(Camera, FieldCornersProjectIntoTheViewForEverySize)
{
    for (auto [cols, rows] : {std::pair{16, 8}, std::pair{18, 10}, std::pair{20, 12}}) {
        SCOPED_TRACE(std::to_string(cols) + " x " + std::to_string(rows));
        BoardRig rig;
        rig.deal(BoardRig::Sphere, cols, rows);
        const int corners[4] = {0, cols - 1, (rows - 1) * cols, rows * cols - 1};
        for (int i : corners) {
            const int c = i % cols + 1, r = i / cols + 1;
            // (c - HalfCols, HalfRows - r, 0) under a field whose x is world -y and y is world +x.
            const Vec3 world{double(rows / 2 - r), -double(c - cols / 2), 0};
            const Vec3 engine = rig.board.camera->project(rig.pieceCentre(i), W, H);
            const Vec3 model = PinholeProject(world);
            EXPECT_NEAR(engine.x, model.x, 1e-6);
            EXPECT_NEAR(engine.y, model.y, 1e-6);
            EXPECT_GT(engine.x, 10);
            EXPECT_LT(engine.x, W - 10);
            EXPECT_GT(engine.y, 10);
            EXPECT_LT(engine.y, H - 10);
        }
        const Vec3 tl = rig.board.camera->project(rig.pieceCentre(corners[0]), W, H);
        const Vec3 br = rig.board.camera->project(rig.pieceCentre(corners[3]), W, H);
        EXPECT_LT(tl.x, W / 2.0);
        EXPECT_LT(tl.y, H / 2.0);
        EXPECT_GT(br.x, W / 2.0);
        EXPECT_GT(br.y, H / 2.0);
    }
}

TEST(OrbitCamera, PixelsAreDegreesOfTheAngleToTheUpAxis)
{
    BoardRig rig;
    TGLCamera& cam = *rig.board.camera;
    const double d0 = Distance(cam), a0 = AngleToUp(cam);
    EXPECT_NEAR(a0, std::acos(2 / std::sqrt(233.0)), 1e-12);
    cam.OrbitCamera(-50, 0);
    EXPECT_NEAR(AngleToUp(cam), a0 - 50 * kDeg, 1e-9);
    cam.OrbitCamera(100, 0);  // a 100-pixel drag upwards
    EXPECT_NEAR(AngleToUp(cam), a0 + 50 * kDeg, 1e-9);
    EXPECT_NEAR(Distance(cam), d0, 1e-9);
}

TEST(OrbitCamera, ClampsShortOfThePoles)
{
    BoardRig rig;
    TGLCamera& cam = *rig.board.camera;
    const double d0 = Distance(cam);
    cam.OrbitCamera(400, 0);
    EXPECT_NEAR(AngleToUp(cam), std::numbers::pi - 0.025, 1e-9);
    cam.OrbitCamera(-1000, 0);
    EXPECT_NEAR(AngleToUp(cam), 0.025, 1e-9);
    EXPECT_NEAR(Distance(cam), d0, 1e-9);
}

TEST(OrbitCamera, TurnGoesRoundTheUpAxisAndZeroStepsStayPut)
{
    BoardRig rig;
    TGLCamera& cam = *rig.board.camera;
    const Vec3 p0 = cam.absolutePosition();
    cam.OrbitCamera(0, 0);
    EXPECT_NEAR((cam.absolutePosition() - p0).length(), 0, 1e-9);
    const double a0 = AngleToUp(cam);
    cam.OrbitCamera(0, 90);
    const Vec3 p1 = cam.absolutePosition();
    EXPECT_NEAR(p1.x, p0.x, 1e-9);  // the height along up is kept
    EXPECT_NEAR(AngleToUp(cam), a0, 1e-9);
    // The part across the up axis has turned a quarter.
    EXPECT_NEAR(p1.y * p0.y + p1.z * p0.z, 0, 1e-9);
    EXPECT_NEAR(p1.y * p1.y + p1.z * p1.z, p0.y * p0.y + p0.z * p0.z, 1e-9);
    for (int i = 0; i < 3; ++i)
        cam.OrbitCamera(0, 90);
    EXPECT_NEAR((cam.absolutePosition() - p0).length(), 0, 1e-9);
}

TEST(OrbitCamera, CameraKeepsLookingAtItsTarget)
{
    BoardRig rig;
    rig.board.camera->OrbitCamera(37, -81);
    const Vec3 centre = rig.board.camera->project(rig.board.field->absolutePosition(), W, H);
    EXPECT_NEAR(centre.x, W / 2.0, 1e-6);
    EXPECT_NEAR(centre.y, H / 2.0, 1e-6);
}
