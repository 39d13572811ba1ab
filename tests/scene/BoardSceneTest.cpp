#include "ui/BoardScene.h"

#include "scene/TBitmapFont.h"
#include "scene/TCone.h"
#include "scene/TCube.h"
#include "scene/TDummyCube.h"
#include "scene/TGLCustomSceneObject.h"
#include "scene/TGLScene.h"
#include "scene/TOctahedron.h"
#include "scene/TStar.h"
#include "scene/TTorus.h"

#include <gtest/gtest.h>

namespace {
class BoardSceneSetup : public ::testing::Test {
protected:
    TGLScene scene;
    TBitmapFont font;
    BoardScene board = BoardScene::build(scene, font);
};

void ExpectVec(const Vec3& v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, 1e-9);
    EXPECT_NEAR(v.y, y, 1e-9);
    EXPECT_NEAR(v.z, z, 1e-9);
}
}  // namespace

TEST_F(BoardSceneSetup, APieceStandsInItsCellWithItsKindsColourAndTag)
{
    TGLCustomSceneObject* piece = board.addPiece(2, 3, -9, 5, 42);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->parent(), board.field);
    EXPECT_EQ(piece->tag(), 42);
    EXPECT_EQ(piece->material().frontDiffuse(), BoardScene::kindColour(3));
    // The field's x is the screen's right (world -y), its y the screen's up (world x).
    ExpectVec(piece->absolutePosition(), 5, 9, 0);
}

TEST_F(BoardSceneSetup, RingsLieFaceOnWhereOtherShapesPointUp)
{
    TGLCustomSceneObject* ring = board.addPiece(1, 1, 0, 0, 1);
    TGLCustomSceneObject* ball = board.addPiece(0, 1, 1, 0, 2);
    ASSERT_NE(ring, nullptr);
    ASSERT_NE(ball, nullptr);
    ExpectVec(ball->direction(), 0, 1, 0);
    // The ring's quarter pitch comes after it was pointed up and undoes that turn.
    ExpectVec(ring->direction(), 0, 0, 1);
    ExpectVec(ring->up(), 0, 1, 0);
}

TEST_F(BoardSceneSetup, UnknownSchemesAndKindsAddNothingOrNoColour)
{
    EXPECT_EQ(board.addPiece(4, 1, 0, 0, 1), nullptr);
    EXPECT_EQ(board.addPiece(-1, 1, 0, 0, 1), nullptr);
    // The Shapes scheme has a solid for each of the five kinds only.
    EXPECT_EQ(board.addPiece(3, 0, 0, 0, 1), nullptr);
    EXPECT_EQ(board.addPiece(3, 6, 0, 0, 1), nullptr);
    EXPECT_EQ(board.field->childCount(), 0);
    const Color4 plain = board.addPiece(2, 0, 0, 0, 1)->material().frontDiffuse();
    EXPECT_EQ(board.addPiece(2, 6, 1, 0, 2)->material().frontDiffuse(), plain);
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_NE(BoardScene::kindColour(kind), plain) << "kind " << kind;
}

// Each kind its own solid, in its kind's colour, pointing up the screen like
// the other schemes' pieces; the ring lies face on like the Tori scheme's.
TEST_F(BoardSceneSetup, TheShapesSchemeGivesEachKindItsOwnSolid)
{
    TGLCustomSceneObject* p[6] = {};
    for (int kind = 1; kind <= 5; ++kind) {
        p[kind] = board.addPiece(3, kind, kind, 0, kind);
        ASSERT_NE(p[kind], nullptr) << "kind " << kind;
        EXPECT_EQ(p[kind]->material().frontDiffuse(), BoardScene::kindColour(kind)) << "kind " << kind;
        EXPECT_EQ(p[kind]->tag(), kind);
    }
    EXPECT_NE(dynamic_cast<TCone*>(p[1]), nullptr);
    EXPECT_NE(dynamic_cast<TCube*>(p[2]), nullptr);
    EXPECT_NE(dynamic_cast<TOctahedron*>(p[3]), nullptr);
    auto* ring = dynamic_cast<TTorus*>(p[4]);
    ASSERT_NE(ring, nullptr);
    EXPECT_NE(dynamic_cast<TStar*>(p[5]), nullptr);
    for (int kind : {1, 2, 3, 5}) {
        ExpectVec(p[kind]->direction(), 0, 1, 0);
        ExpectVec(p[kind]->up(), 0, 0, -1);
    }
    ExpectVec(ring->direction(), 0, 0, 1);
    // A thin ring with a wide hole, where the Tori scheme's stays fat.
    EXPECT_GT(ring->majorRadius() - ring->minorRadius(), 0.15);
    const auto* fat = dynamic_cast<TTorus*>(board.addPiece(1, 4, 0, 1, 9));
    ASSERT_NE(fat, nullptr);
    EXPECT_DOUBLE_EQ(fat->majorRadius(), 0.28);
    EXPECT_DOUBLE_EQ(fat->minorRadius(), 0.25);
    // Every solid stays inside its cell with room to spare.
    for (int kind = 1; kind <= 5; ++kind) {
        const TMesh& m = *p[kind]->mesh();
        for (const Vec3& corner : {m.boxMin(), m.boxMax()}) {
            EXPECT_LT(std::abs(corner.x), 0.46) << "kind " << kind;
            EXPECT_LT(std::abs(corner.z), 0.46) << "kind " << kind;
        }
    }
}

TEST(BoardSceneColours, TheFiveKindsDifferAndAreFullySaturated)
{
    for (int a = 1; a <= 5; ++a) {
        const Color4 c = BoardScene::kindColour(a);
        for (float channel : {c.r, c.g, c.b})
            EXPECT_TRUE(channel == 0 || channel == 1) << "kind " << a;
        for (int b = a + 1; b <= 5; ++b)
            EXPECT_NE(c, BoardScene::kindColour(b)) << a << " and " << b;
    }
}
