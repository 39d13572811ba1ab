// The main window's frame handler, mouse handlers and pieces, on the real
// windows and the real 3D view.
#include "GameWorld.h"

#include "BoardSketch.h"
#include "game/Game.h"
#include "game/IPieceObject.h"
#include "ui/MainScene.h"
#include "controls/TBitCheckBox.h"
#include "scene/TDodecahedron.h"
#include "scene/TDummyCube.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "controls/TFrogComboBox.h"
#include "scene/TGLCadencer.h"
#include "scene/TGLCamera.h"
#include "scene/TGLScene.h"
#include "scene/TGLSceneViewer.h"
#include "scene/THUDText.h"
#include "scene/TSphere.h"
#include "scene/TTorus.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "../support/PieceColours.h"
#include "../support/PictureTolerance.h"

#include <cmath>

namespace {
// A world with a dealt 16 x 8 board of the given scheme.
struct Board {
    explicit Board(int scheme, const char* size = "RB168")
    {
        world.WriteIni(std::string("[Options]\r\n") + size + "=1\r\nScheme=" + std::to_string(scheme) + "\r\n");
        world.Start();
    }
    const Game& game() { return world.main().game(); }
    PlaySession& session() { return world.main().session(); }
    MainScene& scene() { return world.main().scene(); }
    void Frame() { world.main().GLCadencer1Progress(0.016, 0); }
    // A piece with a like neighbour to its right, so its group has two or more.
    int PieceInAGroup()
    {
        for (int r = 1; r <= game().Board().FieldRows; ++r)
            for (int c = 1; c < game().Board().FieldCols; ++c)
                if (game().Board().Matrix(r, c).kind > 0 && game().Board().Matrix(r, c).kind == game().Board().Matrix(r, c + 1).kind)
                    return game().Board().Matrix(r, c).piece;
        return 0;
    }
    int LonePiece()
    {
        const Game& g = game();
        for (int r = 1; r <= g.Board().FieldRows; ++r)
            for (int c = 1; c <= g.Board().FieldCols; ++c) {
                const int k = g.Board().Matrix(r, c).kind;
                const bool alone = (r == 1 || g.Board().Matrix(r - 1, c).kind != k) && (c == 1 || g.Board().Matrix(r, c - 1).kind != k)
                                   && (r == g.Board().FieldRows || g.Board().Matrix(r + 1, c).kind != k)
                                   && (c == g.Board().FieldCols || g.Board().Matrix(r, c + 1).kind != k);
                if (alone)
                    return g.Board().Matrix(r, c).piece;
            }
        return 0;
    }
    GameWorld world;
};

}  // namespace

TEST(FrameHandler, WritesTheHudTextsEveryFrame)
{
    Board b(2);
    SetScore(b.session(), 7);
    b.Frame();
    EXPECT_EQ(b.scene().ScoreText(), "SCORE:    7");
    EXPECT_EQ(b.scene().PointsText(), "POINTS:   0");
    std::vector<Stamp> ten;  // a lit group of ten is worth 64
    for (int c = 1; c <= 10; ++c)
        ten.push_back({1, c, '1'});
    b.session().SetBoard(Laid(b.game().Board(), Checkerboard(8, 16, ten)));
    SetScore(b.session(), 1234);
    b.session().PointerMoved(b.game().Board().PieceAt(1, 1));
    b.Frame();
    EXPECT_EQ(b.scene().ScoreText(), "SCORE:  1234");
    EXPECT_EQ(b.scene().PointsText(), "POINTS:  64");
}

TEST(FrameHandler, SpinsTheLitGroupByTheSchemeReadEachFrame)
{
    Board b(2);
    const int piece = b.PieceInAGroup();
    ASSERT_GT(piece, 0);
    b.session().PointerMoved(piece);
    ASSERT_GE(b.game().GroupCount(), 2);
    IPieceObject* lit = b.game().ObjectOf(piece);
    b.Frame();
    b.Frame();
    EXPECT_DOUBLE_EQ(lit->turnAngle(), 4);
    EXPECT_DOUBLE_EQ(lit->rollAngle(), 0);

    // The Shapes scheme's solids turn in the screen's plane too.
    Control<TFrogComboBox>(b.world.opt(), "cbGameScheme")->setCurrentIndex(3);
    b.Frame();
    EXPECT_DOUBLE_EQ(lit->turnAngle(), 6);
    EXPECT_DOUBLE_EQ(lit->rollAngle(), 0);

    // A scheme chosen now changes the axis at once.
    Control<TFrogComboBox>(b.world.opt(), "cbGameScheme")->setCurrentIndex(0);
    b.Frame();
    EXPECT_DOUBLE_EQ(lit->rollAngle(), 1);
    EXPECT_DOUBLE_EQ(lit->turnAngle(), 6);

    // With "Rotate Objects" off nothing of the group moves.
    Control<TBitCheckBox>(b.world.opt(), "cbRotate")->setChecked(false);
    b.Frame();
    EXPECT_DOUBLE_EQ(lit->rollAngle(), 1);
    // The field stands still while the game is on.
    EXPECT_DOUBLE_EQ(b.scene().FieldTurnAngle(), 0);
}

TEST(FrameHandler, ALonePieceDoesNotSpinAndTheFieldTurnsOnceTheGameIsOver)
{
    Board b(2);
    const int lone = b.LonePiece();
    ASSERT_GT(lone, 0);
    b.session().PointerMoved(lone);
    ASSERT_EQ(b.game().GroupCount(), 1);
    b.Frame();
    EXPECT_DOUBLE_EQ(b.game().ObjectOf(lone)->turnAngle(), 0);

    EndGame(b.session());
    for (int i = 0; i < 185; ++i)
        b.Frame();
    EXPECT_NEAR(b.scene().FieldTurnAngle(), -175, 1e-9);  // wrapped past 180
    b.world.main().btNewGameClick();
    EXPECT_DOUBLE_EQ(b.scene().FieldTurnAngle(), 0);
}

TEST(MouseHandlers, AnyButtonPlaysATurnAndOnlyTheRightButtonAloneOrbits)
{
    Board b(2);
    TFormMain& w = b.world.main();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const TGLCamera& camera = b.scene().Camera();
    // A press on the backdrop plays nothing but starts a drag there.
    w.GLSceneViewer1MouseDown(Qt::RightButton, 2, 3);
    EXPECT_EQ(b.game().UndoDepth(), 0);

    // Right and middle presses on a piece play its group as the left does.
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        const int p = b.PieceInAGroup();
        const Game& g = b.game();
        const Mat4 field = b.scene().Field().absoluteMatrix();
        const Vec3 at = camera.project(
            field.mapPoint(Vec3{double(g.Board().PieceMap(p).column - g.HalfCols()), double(g.HalfRows() - g.Board().PieceMap(p).row), 0}),
            588, 442);
        ASSERT_EQ(b.scene().PieceAt(int(at.x), int(at.y)), p);
        w.GLSceneViewer1MouseMove(Qt::NoButton, Qt::NoModifier, 0, 0);
        w.GLSceneViewer1MouseMove(Qt::NoButton, Qt::NoModifier, int(at.x), int(at.y));
        const int group = g.GroupCount();
        ASSERT_GE(group, 2);
        const int depth = g.UndoDepth();
        w.GLSceneViewer1MouseDown(button, int(at.x), int(at.y));
        EXPECT_EQ(g.UndoDepth(), depth + 1);
        EXPECT_FALSE(g.ObjectOf(p)->visible());
    }

    // Only the right button alone orbits.
    const Vec3 start = camera.position();
    w.GLSceneViewer1MouseDown(Qt::RightButton, 100, 100);
    w.GLSceneViewer1MouseMove(Qt::RightButton, Qt::ShiftModifier, 100, 130);
    w.GLSceneViewer1MouseMove(Qt::RightButton, Qt::ControlModifier, 100, 160);
    w.GLSceneViewer1MouseMove(Qt::RightButton | Qt::LeftButton, Qt::NoModifier, 100, 190);
    EXPECT_EQ(camera.position(), start);
    w.GLSceneViewer1MouseMove(Qt::RightButton, Qt::NoModifier, 100, 200);
    EXPECT_NE(camera.position(), start);
    EXPECT_NEAR((camera.position() - Vec3{0, 0, 0}).length(), (start - Vec3{0, 0, 0}).length(), 1e-9);

    // Once the game is over the view ignores the mouse.
    EndGame(b.session());
    const Vec3 now = camera.position();
    w.GLSceneViewer1MouseMove(Qt::RightButton, Qt::NoModifier, 100, 260);
    EXPECT_EQ(camera.position(), now);
}

// Each scheme's pieces, drawn by the real view: the kind's colour shows at
// the piece, the pick there returns that piece, and a lit piece is brighter.
class SchemeRendering : public testing::TestWithParam<int> {};

TEST_P(SchemeRendering, EveryPieceShowsItsColourAndIsPickedWhereItIsDrawn)
{
    const int scheme = GetParam();
    Board b(scheme, "RB2012");
    Control<TBitCheckBox>(b.world.opt(), "cbRotate")->setChecked(false);
    TFormMain& w = b.world.main();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    TGLSceneViewer& view = b.scene().View();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.canRender(); }));
    const QImage plain = view.renderToImage();
    ASSERT_EQ(plain.size(), QSize(588, 442));

    const Game& g = b.game();
    const TGLCamera& camera = b.scene().Camera();
    const Mat4 field = b.scene().Field().absoluteMatrix();
    int wrongColour = 0, wrongPick = 0;
    auto aim = [&](int piece) {
        // Tori (and the Shapes scheme's rings, kind 4) are aimed at their tube: their centre is a hole.
        const bool ring = scheme == 1 || (scheme == 3 && g.Board().PieceMap(piece).kind == 4);
        const Vec3 local{g.Board().PieceMap(piece).column - g.HalfCols() - (ring ? 0.28 : 0.0),
                         double(g.HalfRows() - g.Board().PieceMap(piece).row), 0};
        const Vec3 p = camera.project(field.mapPoint(local), 588, 442);
        return QPoint(int(std::floor(p.x)), int(std::floor(p.y)));
    };
    for (int n = 1; n < g.Board().NextPiece; ++n) {
        const QPoint at = aim(n);
        wrongColour += KindOfColour(plain.pixelColor(at)) != g.Board().PieceMap(n).kind;
        wrongPick += b.scene().PieceAt(at.x(), at.y()) != n;
    }
    EXPECT_EQ(wrongColour, 0);
    EXPECT_EQ(wrongPick, 0);

    // Light a group: its pieces get brighter, the others stay as they were.
    const int piece = b.PieceInAGroup();
    b.session().PointerMoved(piece);
    const QImage lit = view.renderToImage();
    auto sum = [](QColor c) { return c.red() + c.green() + c.blue(); };
    for (const GroupCell& cell : g.Group()) {
        const QPoint at = aim(cell.piece);
        EXPECT_GT(sum(lit.pixelColor(at)), sum(plain.pixelColor(at)) + 30) << "piece " << cell.piece;
    }
    const int other = g.Board().Matrix(g.Board().FieldRows, g.Board().FieldCols).piece;
    if (!b.game().SearchQueue(g.Board().FieldRows, g.Board().FieldCols)) {
        EXPECT_TRUE(PictureTolerance::Near(lit.pixelColor(aim(other)), plain.pixelColor(aim(other))));
    }

    // A removed piece is neither drawn nor picked.
    const QPoint removedAt = aim(piece);
    b.session().PointerPressed(piece);
    const QImage after = view.renderToImage();
    EXPECT_FALSE(b.game().ObjectOf(piece)->visible());
    if (g.Board().Matrix(g.Board().PieceMap(piece).row, g.Board().PieceMap(piece).column).kind == 0) {
        EXPECT_EQ(KindOfColour(after.pixelColor(removedAt)), 0);
        EXPECT_EQ(b.scene().PieceAt(removedAt.x(), removedAt.y()), 0);
    }
    b.world.main().hide();
}

INSTANTIATE_TEST_SUITE_P(AllSchemes, SchemeRendering, testing::Values(0, 1, 2, 3));

TEST(ScenePieces, EachSchemeMakesItsOwnSolidFacingTheCamera)
{
    for (int scheme : {0, 1, 2}) {
        Board b(scheme);
        const TDummyCube& field = b.scene().Field();
        ASSERT_EQ(field.childCount(), 128);
        const auto* first = field.child(0);
        EXPECT_EQ(dynamic_cast<const TDodecahedron*>(first) != nullptr, scheme == 0);
        EXPECT_EQ(dynamic_cast<const TTorus*>(first) != nullptr, scheme == 1);
        EXPECT_EQ(dynamic_cast<const TSphere*>(first) != nullptr, scheme == 2);
        EXPECT_EQ(first->tag(), 1);
        EXPECT_EQ(first->position(), (Vec3{1 - 8, 4 - 1, 0}));
        if (const auto* torus = dynamic_cast<const TTorus*>(first)) {
            EXPECT_DOUBLE_EQ(torus->majorRadius(), 0.28);
            EXPECT_DOUBLE_EQ(torus->minorRadius(), 0.25);
            EXPECT_DOUBLE_EQ(torus->pitchAngle(), 90);
            // Its axis ends up along the field's own z axis.
            EXPECT_NEAR(std::abs(torus->direction().z), 1, 1e-9);
        } else {
            EXPECT_NEAR(first->direction().y, 1, 1e-9);
            EXPECT_NEAR(first->up().z, -1, 1e-9);
        }
        const auto& material = static_cast<const TGLCustomSceneObject*>(first)->material();
        const int kind = b.game().Board().PieceMap(1).kind;
        const Color4 colours[] = {{1, 1, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 0, 1}};
        EXPECT_EQ(material.frontDiffuse(), colours[kind - 1]);
        EXPECT_EQ(material.frontEmission(), (Color4{0, 0, 0, 1}));
    }
}

TEST(MainSceneSetUp, EveryFieldSizeLiesInsideTheViewTopLeftToBottomRight)
{
    for (const char* size : {"RB168", "RB1810", "RB2012"}) {
        SCOPED_TRACE(size);
        Board b(2, size);
        const Game& g = b.game();
        const MainScene& s = b.scene();
        const Mat4 field = s.Field().absoluteMatrix();
        auto at = [&](int r, int c) {
            return s.Camera().project(field.mapPoint(s.Field().child(g.Board().Matrix(r, c).piece - 1)->position()), 588,
                                      442);
        };
        const Vec3 tl = at(1, 1), br = at(g.Board().FieldRows, g.Board().FieldCols);
        EXPECT_EQ(s.Field().child(g.Board().Matrix(g.Board().FieldRows, g.Board().FieldCols).piece - 1)->position(),
                  (Vec3{double(g.Board().FieldCols - g.HalfCols()), double(g.HalfRows() - g.Board().FieldRows), 0}));
        EXPECT_GT(tl.x, 10);
        EXPECT_GT(tl.y, 10);
        EXPECT_LT(tl.x, 588 / 2.0);
        EXPECT_LT(tl.y, 442 / 2.0);
        EXPECT_GT(br.x, 588 / 2.0);
        EXPECT_GT(br.y, 442 / 2.0);
        EXPECT_LT(br.x, 588 - 10);
        EXPECT_LT(br.y, 442 - 10);
    }
}

TEST(MainSceneSetUp, TheDomeIsAVerticalGreyGradientBehindTheField)
{
    Board b(2);
    TFormMain& w = b.world.main();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    TGLSceneViewer& view = b.scene().View();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.canRender(); }));
    b.session().SetBoard(Laid(b.game().Board(), std::vector<std::string>(8, std::string(16, '.'))));
    const QImage img = view.renderToImage();
    const QColor centre = img.pixelColor(588 / 2, 442 / 2);
    EXPECT_NEAR(centre.redF(), 0.42, 0.03);
    int previous = 256;
    for (int y = 2; y < 442; y += 20) {
        const QColor c = img.pixelColor(588 / 2, y);
        EXPECT_NEAR(c.red(), c.green(), PictureTolerance::kMaxChannelStep);
        EXPECT_NEAR(c.red(), c.blue(), PictureTolerance::kMaxChannelStep);
        EXPECT_LE(c.red(), previous + PictureTolerance::kMaxChannelStep) << "row " << y;
        previous = c.red();
    }
    EXPECT_GT(img.pixelColor(588 / 2, 2).red(), centre.red() + 20);
    EXPECT_LT(img.pixelColor(588 / 2, 442 - 2).red(), centre.red() - 20);
    w.hide();
}

// The turn step of a right drag is LastMouseX - x, and the orbit turns the
// camera by it right-handed about the up axis: a drag to the right swings the
// camera round to the field's left-hand columns, as if the pointer dragged
// the board's near edge along. Afterwards the first column is the nearer.
TEST(MouseHandlers, ARightDragToTheRightSwingsTheCameraToTheFieldsLeftSide)
{
    Board b(2);
    TFormMain& w = b.world.main();
    const Game& g = b.game();
    const TGLCamera& camera = b.scene().Camera();
    const TDummyCube& field = b.scene().Field();
    auto distanceTo = [&](int column) {
        const auto* piece = field.child(g.Board().Matrix(4, column).piece - 1);
        return (piece->absolutePosition() - camera.absolutePosition()).length();
    };
    const double leftBefore = distanceTo(1), rightBefore = distanceTo(g.Board().FieldCols);
    w.GLSceneViewer1MouseDown(Qt::RightButton, 100, 300);
    w.GLSceneViewer1MouseMove(Qt::RightButton, Qt::NoModifier, 200, 300);
    // World +y is the field's -x (its left); the start position (2, 2, 15)
    // turned by -100 degrees about world x.
    const double a = -100 * M_PI / 180;
    EXPECT_NEAR(camera.position().x, 2, 1e-9);
    EXPECT_NEAR(camera.position().y, 2 * std::cos(a) - 15 * std::sin(a), 1e-9);
    EXPECT_NEAR(camera.position().z, 2 * std::sin(a) + 15 * std::cos(a), 1e-9);
    EXPECT_LT(distanceTo(1), leftBefore);
    EXPECT_GT(distanceTo(g.Board().FieldCols), rightBefore);
    EXPECT_LT(distanceTo(1), distanceTo(g.Board().FieldCols));
}

// The real frame clock behind the real options window: a lit group keeps spinning.
TEST(FrameHandler, ALitGroupKeepsSpinningBehindAModalWindow)
{
    Board b(2);
    TFormMain& w = b.world.main();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const int piece = b.PieceInAGroup();
    ASSERT_GT(piece, 0);
    b.session().PointerMoved(piece);
    ASSERT_GE(b.game().GroupCount(), 2);
    IPieceObject* lit = b.game().ObjectOf(piece);
    IPieceObject* other = b.game().ObjectOf(b.game().Group().back().piece);
    // Turned while the window is up, unwrapped across +-180.
    double last = 0, advanced = 0;
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!b.world.opt().isVisible())
            return;
        if (shown)
            advanced += WrapAngle(lit->turnAngle() - last);
        shown = true;
        last = lit->turnAngle();
        if (advanced >= 20)
            b.world.opt().hide();
    });
    poll.start(5);
    QTimer::singleShot(20000, &b.world.opt(), &QWidget::hide);
    w.btOptionsClick();
    poll.stop();
    ASSERT_TRUE(shown);
    EXPECT_GE(advanced, 20);
    EXPECT_DOUBLE_EQ(other->turnAngle(), lit->turnAngle());
    w.hide();
}
