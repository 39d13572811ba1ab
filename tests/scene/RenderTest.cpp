#include "ViewerRig.h"
#include "../support/PictureTolerance.h"

#include <functional>

#include "scene/TGLCustomSceneObject.h"
#include "scene/TTorus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {
int Channel(const QColor& c, int k) { return k == 0 ? c.red() : k == 1 ? c.green() : c.blue(); }

// A lit piece: full channels of its colour clearly on, the others near zero.
void ExpectKindColour(const QColor& seen, const Color4& kind, const std::string& where)
{
    const float want[3] = {kind.r, kind.g, kind.b};
    for (int k = 0; k < 3; ++k) {
        if (want[k] > 0.5f)
            EXPECT_GT(Channel(seen, k), 60) << where << " channel " << k << " of " << seen.name().toStdString();
        else
            EXPECT_LT(Channel(seen, k), 12) << where << " channel " << k << " of " << seen.name().toStdString();
    }
}

// Pixels that differ by more than the one step of rounding that an offscreen
// buffer and the window may disagree by.
int Differences(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            int worst = 0;
            for (int k = 0; k < 3; ++k)
                worst = std::max(worst, std::abs(Channel(ca, k) - Channel(cb, k)));
            n += worst > 1;
        }
    return n;
}

// Neighbouring tori overlap (outer radius 0.53): where their surfaces cross, the
// order of drawing decides a few pixels of equal depth. A ghost or a missing
// piece differs in hundreds.
constexpr int kDepthTiePixels = 20;

class Render : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(v.ready()) << "no GL surface"; }
    ViewerRig v;
};

class RenderShapes : public Render, public ::testing::WithParamInterface<BoardRig::Shape> {};
}  // namespace

// At every screen scale the board fills the view as designed: each piece lies
// where the design's projection puts it, and is picked there.
TEST_P(RenderShapes, EachPieceShowsItsKindColourWhereItIsAimedAt)
{
    v.rig.deal(GetParam(), 20, 12);
    const QImage img = v.frame();
    ASSERT_EQ(img.size(), QSize(qRound(ViewerRig::W * v.ratio()), qRound(ViewerRig::H * v.ratio())));
    for (int i = 0; i < 240; ++i) {
        const QPoint p = v.aim(i);
        ExpectKindColour(img.pixelColor(v.aim(i, true)), BoardScene::kindColour(v.rig.kindOf(i)),
                         "piece " + std::to_string(i));
        EXPECT_EQ(v.viewer.GetPickedObject(p.x(), p.y()), v.rig.pieces[i]) << "piece " << i;
    }
}

TEST_P(RenderShapes, PickingAgreesWithTheDrawnImageAtEveryOutline)
{
    v.rig.deal(GetParam(), 16, 8);
    v.rig.board.dome->setVisible(false);
    v.viewer.setBackgroundColor(Qt::black);
    // Each piece glows in a colour of its own and takes no light.
    for (std::size_t i = 0; i < v.rig.pieces.size(); ++i) {
        TGLMaterial& m = v.rig.pieces[i]->material();
        m.setFrontDiffuse({0, 0, 0, 1});
        m.setFrontAmbient({0, 0, 0, 1});
        m.setFrontEmission({float((i % 16 + 1) * 15) / 255, float((i / 16 + 1) * 15) / 255, 0.5f, 1});
    }
    const QImage img = v.frame();
    const auto idAt = [&](int x, int y) -> int {
        const QColor c = img.pixelColor(x, y);
        if (c.blue() < 64)
            return -1;
        return (qRound(c.green() / 15.0) - 1) * 16 + qRound(c.red() / 15.0) - 1;
    };
    // A ring that finds the pointer over its hole is picked where the hole
    // shows the background.
    const auto inPickedHole = [&](const TGLCustomSceneObject* o, int x, int y) {
        const auto* ring = dynamic_cast<const TTorus*>(o);
        if (!ring || !ring->holeIsPicked())
            return false;
        const Vec3 centre = v.rig.pieceCentre(o->tag() - 1);
        const Vec3 c = v.rig.board.camera->project(centre, ViewerRig::W, ViewerRig::H);
        const Vec3 rim = v.rig.board.camera->project(
            centre + Vec3{0, ring->majorRadius() - ring->minorRadius(), 0}, ViewerRig::W, ViewerRig::H);
        return std::hypot(x - c.x, y - c.y) <= std::hypot(rim.x - c.x, rim.y - c.y) + 1.5;
    };
    int checked = 0, wrong = 0, holes = 0;
    for (int y = 1; y < ViewerRig::H; y += 2)
        for (int x = 1; x < ViewerRig::W; x += 2) {
            std::set<int> ids;
            const QPoint d = v.device({x, y});
            for (int dy = -1; dy <= 0; ++dy)
                for (int dx = -1; dx <= 0; ++dx)
                    ids.insert(idAt(d.x() + dx, d.y() + dy));
            const TGLCustomSceneObject* o = v.viewer.GetPickedObject(x, y);
            const int picked = o ? o->tag() - 1 : -1;
            ids.erase(-1);
            const bool hole = picked >= 0 && ids.empty() && inPickedHole(o, x, y);
            const bool ok = picked < 0 ? ids.empty() : ids.count(picked) == 1 || hole;
            holes += hole;
            wrong += !ok;
            checked += !ids.empty();
        }
    EXPECT_GT(checked, 5000);
    // Rays through pixel centres follow the rasteriser's coverage rule; only
    // edges passing exactly through a centre may go either way.
    EXPECT_LE(wrong, checked / 1000) << wrong << " of " << checked << " rectangles disagree";
    EXPECT_EQ(holes > 0, GetParam() == BoardRig::Shapes) << holes << " rectangles in rings' holes";
}

INSTANTIATE_TEST_SUITE_P(AllShapes, RenderShapes,
                         ::testing::Values(BoardRig::Dodecahedron, BoardRig::Torus, BoardRig::Sphere, BoardRig::Shapes));

TEST_F(Render, EmissionMakesAPieceBrighter)
{
    v.rig.deal(BoardRig::Sphere, 16, 8);
    const QPoint p = v.aim(40);
    const QColor plain = v.frame().pixelColor(p);
    v.rig.pieces[40]->material().setFrontEmission({0.2f, 0.2f, 0.2f, 1});
    const QColor lit = v.frame().pixelColor(p);
    const Color4 kind = BoardScene::kindColour(v.rig.kindOf(40));
    const float diffuse[3] = {kind.r, kind.g, kind.b};
    for (int k = 0; k < 3; ++k) {
        // Channels the piece has no diffuse colour in gain exactly the emission;
        // the others gain less where per-vertex lighting saturated.
        if (diffuse[k] == 0)
            EXPECT_NEAR(Channel(lit, k) - Channel(plain, k), 0.2 * 255, 3) << "channel " << k;
        else
            EXPECT_GE(Channel(lit, k), Channel(plain, k) + 25) << "channel " << k;
    }
}

TEST_F(Render, HiddenPieceIsNeitherDrawnNorPicked)
{
    v.rig.deal(BoardRig::Dodecahedron, 16, 8);
    const int i = 2 * 16 + 7;
    const QPoint p = v.aim(i);
    ASSERT_EQ(v.viewer.GetPickedObject(p.x(), p.y()), v.rig.pieces[i]);
    v.rig.pieces[i]->setVisible(false);
    const QColor seen = v.frame().pixelColor(p);
    // The sky behind is a grey.
    EXPECT_LE(std::abs(seen.red() - seen.green()) + std::abs(seen.green() - seen.blue()), 4)
        << seen.name().toStdString();
    EXPECT_EQ(v.viewer.GetPickedObject(p.x(), p.y()), nullptr);
}

TEST_F(Render, SkyDomeIsAVerticalGreyGradient)
{
    const QImage img = v.frame();
    const QColor centre = img.pixelColor(ViewerRig::W / 2, ViewerRig::H / 2);
    EXPECT_NEAR(centre.red(), 0.424 * 255, 8);
    int previous = 256;
    for (int y = 2; y < ViewerRig::H; y += 20) {
        const QColor c = img.pixelColor(ViewerRig::W / 2, y);
        EXPECT_LE(std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()), 2) << "row " << y;
        EXPECT_LE(c.red(), previous + 1) << "row " << y;  // darker going down
        previous = c.red();
    }
    EXPECT_GT(img.pixelColor(ViewerRig::W / 2, 2).red(), centre.red() + 20);
    EXPECT_LT(img.pixelColor(ViewerRig::W / 2, ViewerRig::H - 2).red(), centre.red() - 20);
    // Orbiting does not bring the dome nearer: straight down it is black.
    v.rig.board.camera->OrbitCamera(-200, 0);  // from above, looking down
    EXPECT_LT(v.frame().pixelColor(ViewerRig::W / 2, ViewerRig::H / 2).red(), 0.1 * 255);
    v.rig.board.camera->OrbitCamera(400, 0);  // from below, looking up
    EXPECT_GT(v.frame().pixelColor(ViewerRig::W / 2, ViewerRig::H / 2).red(), 0.9 * 255);
}

TEST_F(Render, HudTextIsDrawnOverTheSceneAtItsPixels)
{
    v.rig.deal(BoardRig::Torus, 20, 12);
    v.rig.font.setGlyphs(ViewerRig::squareGlyphSheet());
    v.rig.board.score->setText("X X");
    v.rig.board.points->setText("X");
    v.rig.board.points->setScale(1, 1, 1);
    v.rig.board.points->setPosition(100, 30, 0);
    const QImage img = v.frame();
    // Placed and sized in view pixels at every scale.
    const auto white = [&](double x, double y) {
        return PictureTolerance::Near(img.pixelColor(v.device(QPoint(int(x), int(y)))), QColor(255, 255, 255));
    };
    EXPECT_TRUE(white(12 + 6, 405 + 6));  // first X, 12 x 12 pixels
    EXPECT_TRUE(white(12 + 2 * 12.4 + 6, 405 + 6));  // third character
    EXPECT_FALSE(white(12 + 12.4 + 6, 405 + 6));  // the space is blank
    EXPECT_FALSE(white(12 + 6, 405 + 20));
    EXPECT_TRUE(white(101, 31));  // unscaled: 30 x 30
    EXPECT_TRUE(white(128, 58));
    EXPECT_FALSE(white(133, 45));
}

// A dense screen gets the font's 2x cells, where they are sharper than the 1x ones stretched.
TEST_F(Render, HudTextComesFromTheTwiceDensePictureAboveOneAndAHalf)
{
    v.rig.deal(BoardRig::Torus, 20, 12);
    const QImage sheet = ViewerRig::squareGlyphSheet();
    v.rig.font.setGlyphs(sheet);
    // The 2x sheet's 'X' is red, every other cell black: only its own cell may show.
    QImage dense(sheet.size() * 2, QImage::Format_RGB32);
    dense.fill(Qt::black);
    const QRect x = v.rig.font.glyphRect(U'X');
    for (int yy = 2 * x.top(); yy < 2 * (x.bottom() + 1); ++yy)
        for (int xx = 2 * x.left(); xx < 2 * (x.right() + 1); ++xx)
            dense.setPixelColor(xx, yy, Qt::red);
    EXPECT_FALSE(v.rig.font.setHiDpiGlyphs(sheet)) << "a picture of the 1x size is no 2x picture";
    ASSERT_TRUE(v.rig.font.setHiDpiGlyphs(dense));
    v.rig.board.points->setText("X");
    v.rig.board.points->setScale(1, 1, 1);
    v.rig.board.points->setPosition(100, 30, 0);
    const QImage img = v.frame();
    const QColor want = v.ratio() > 1.5 ? QColor(Qt::red) : QColor(Qt::white);
    // The whole 30 x 30 cell, edges in: a cell taken from the wrong place would show black.
    for (const QPoint p : {QPoint(102, 32), QPoint(128, 32), QPoint(102, 58), QPoint(128, 58), QPoint(115, 45)})
        EXPECT_TRUE(PictureTolerance::Near(img.pixelColor(v.device(p)), want)) << p.x() << "," << p.y() << " at " << v.ratio();
    EXPECT_FALSE(PictureTolerance::Near(img.pixelColor(v.device({133, 45})), want));
}

TEST_F(Render, CachedFramesEqualFullRedrawsWhileAGroupSpins)
{
    v.rig.deal(BoardRig::Torus, 20, 12);
    for (int f = 0; f < 6; ++f) {
        for (int i = 0; i < 10; ++i)
            v.rig.pieces[i * 11]->setTurnAngle(v.rig.pieces[i * 11]->turnAngle() + 17);
        v.frame();
    }
    const QImage cached = v.frame();
    EXPECT_TRUE(v.viewer.lastFrameStats().usedCache);
    EXPECT_LE(v.viewer.lastFrameStats().drawnSolids, 10);
    v.viewer.setStaticCaching(false);
    const QImage full = v.frame();
    EXPECT_FALSE(v.viewer.lastFrameStats().usedCache);
    EXPECT_EQ(v.viewer.lastFrameStats().drawnSolids, 240);
    EXPECT_LE(Differences(cached, full), kDepthTiePixels);
    // A piece in the image that starts moving leaves no trace of its old place.
    v.viewer.setStaticCaching(true);
    v.frame();
    v.frame();
    v.rig.pieces[100]->setPositionZ(-3);
    const QImage moved = v.frame();
    // Mended in its rectangle (which rectangle is TFrameDamage's to say), not drawn anew.
    EXPECT_FALSE(v.viewer.lastFrameStats().rebuiltCache);
    v.viewer.setStaticCaching(false);
    EXPECT_LE(Differences(moved, v.frame()), kDepthTiePixels);
}

// After a change, a few frames with nothing changed build the image cache (in the
// game's idle time); then nothing is drawn until something changes, and the first
// change only mends the image.
TEST_F(Render, NothingIsDrawnWhenNothingChangedOnceTheImageIsBuilt)
{
    v.rig.deal(BoardRig::Sphere, 16, 8);
    v.viewer.renderIfChanged();
    bool rebuilt = false;
    for (int frame = 0; frame < 5 && v.viewer.wantsFrame(); ++frame) {
        ASSERT_TRUE(v.viewer.renderIfChanged());
        rebuilt = rebuilt || v.viewer.lastFrameStats().rebuiltCache;
    }
    EXPECT_FALSE(v.viewer.wantsFrame());
    EXPECT_TRUE(rebuilt) << "the image was built while nothing changed";
    const auto frames = v.viewer.framesDrawn();
    EXPECT_FALSE(v.viewer.renderIfChanged());
    v.rig.board.score->setText(v.rig.board.score->text());
    v.rig.pieces[0]->setTurnAngle(v.rig.pieces[0]->turnAngle());
    EXPECT_FALSE(v.viewer.renderIfChanged());
    EXPECT_EQ(v.viewer.framesDrawn(), frames);
    v.rig.pieces[0]->setTurnAngle(5);
    EXPECT_TRUE(v.viewer.renderIfChanged());
    EXPECT_EQ(v.viewer.framesDrawn(), frames + 1);
    EXPECT_TRUE(v.viewer.lastFrameStats().usedCache);
    EXPECT_FALSE(v.viewer.lastFrameStats().rebuiltCache) << "the first change paid for the image";
}

// The same sequence of frames drawn in part over the last frame and drawn
// whole: hover, spin, hover change, hide, orbit, field turn. Software GL is
// deterministic, so the pictures must match to the pixel.
TEST_F(Render, PartialFramesEqualWholeFramesPixelForPixel)
{
    struct Step {
        const char* what;
        std::function<void(BoardRig&)> change;
    };
    const auto light = [](BoardRig& rig, int first, float e) {
        for (int i = first; i < first + 5; ++i)
            rig.pieces[i]->material().setFrontEmission({e, e, e, 1});
    };
    const auto spin = [](BoardRig& rig, int first) {
        for (int i = first; i < first + 5; ++i)
            rig.pieces[i]->setTurnAngle(rig.pieces[i]->turnAngle() + 2);
    };
    std::vector<Step> steps;
    steps.push_back({"still", [](BoardRig&) {}});
    steps.push_back({"hover", [&](BoardRig& rig) { light(rig, 40, 0.2f); }});
    for (int i = 0; i < 4; ++i)
        steps.push_back({"spin", [&](BoardRig& rig) { spin(rig, 40); }});
    steps.push_back({"hover change", [&](BoardRig& rig) {
                         light(rig, 40, 0);
                         for (int i = 40; i < 45; ++i)
                             rig.pieces[i]->setTurnAngle(0);
                         light(rig, 120, 0.2f);
                     }});
    for (int i = 0; i < 4; ++i)
        steps.push_back({"spin", [&](BoardRig& rig) { spin(rig, 120); }});
    steps.push_back({"text", [](BoardRig& rig) { rig.board.score->setText("X"); }});
    steps.push_back({"hide", [](BoardRig& rig) { rig.pieces[121]->setVisible(false); }});
    steps.push_back({"spin", [&](BoardRig& rig) { spin(rig, 120); }});
    steps.push_back({"orbit", [](BoardRig& rig) { rig.board.camera->OrbitCamera(3, -4); }});
    for (int i = 0; i < 3; ++i)
        steps.push_back({"spin", [&](BoardRig& rig) { spin(rig, 120); }});
    for (int i = 0; i < 3; ++i)
        steps.push_back(
            {"turn", [](BoardRig& rig) { rig.board.field->setTurnAngle(rig.board.field->turnAngle() + 1); }});
    // A new game after the turn: the field stands square again and the image is built anew.
    steps.push_back({"turn ends", [](BoardRig& rig) { rig.board.field->setTurnAngle(0); }});
    for (int i = 0; i < 3; ++i)
        steps.push_back({"still", [](BoardRig&) {}});
    steps.push_back({"hover", [&](BoardRig& rig) { light(rig, 60, 0.2f); }});
    for (int i = 0; i < 2; ++i)
        steps.push_back({"spin", [&](BoardRig& rig) { spin(rig, 60); }});
    // The other way round, over the edge of zero.
    for (int i = 0; i < 3; ++i)
        steps.push_back(
            {"turn back", [](BoardRig& rig) { rig.board.field->setTurnAngle(rig.board.field->turnAngle() - 1); }});

    const auto run = [&](bool partial, bool caching, bool* anyPartial) {
        ViewerRig w;
        std::vector<QImage> frames;
        if (!w.ready())
            return frames;
        w.rig.deal(BoardRig::Torus, 20, 12);
        w.rig.font.setGlyphs(ViewerRig::squareGlyphSheet());
        w.rig.board.score->setText("X X");
        w.viewer.setPartialFrames(partial);
        w.viewer.setStaticCaching(caching);
        for (int i = 0; i < 3; ++i)
            w.frame();
        for (const Step& s : steps) {
            s.change(w.rig);
            frames.push_back(w.frame());
            *anyPartial |= w.viewer.lastFrameWasPartial();
        }
        return frames;
    };
    bool partialSeen = false, wholeSeen = false, redrawnSeen = false;
    const std::vector<QImage> partial = run(true, true, &partialSeen);
    const std::vector<QImage> whole = run(false, true, &wholeSeen);
    const std::vector<QImage> redrawn = run(false, false, &redrawnSeen);
    ASSERT_EQ(partial.size(), steps.size());
    ASSERT_EQ(whole.size(), steps.size());
    ASSERT_EQ(redrawn.size(), steps.size());
    EXPECT_TRUE(partialSeen) << "the platform presents no part of a frame here";
    EXPECT_FALSE(wholeSeen || redrawnSeen);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        // The screen keeps the first frame drawn whole where the image, built while nothing
        // moved, is not copied over it: only depth ties may differ there.
        EXPECT_LE(Differences(partial[i], whole[i]), kDepthTiePixels) << "step " << i << " (" << steps[i].what << ")";
        // Without the image every solid is drawn in tree order: only depth ties differ.
        EXPECT_LE(Differences(partial[i], redrawn[i]), kDepthTiePixels) << "step " << i;
    }
}
