#include "BoardScene.h"

#include "TBitmapFont.h"
#include "TDummyCube.h"
#include "TGLCustomSceneObject.h"
#include "TGLScene.h"

#include <gtest/gtest.h>

namespace {
// The scene's nodes and their settings are checked value by value on the
// main window's scene (tests/ui/SceneWiringTest.cpp); these are the pieces.
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
    EXPECT_EQ(board.addPiece(3, 1, 0, 0, 1), nullptr);
    EXPECT_EQ(board.addPiece(-1, 1, 0, 0, 1), nullptr);
    EXPECT_EQ(board.field->childCount(), 0);
    const Color4 plain = board.addPiece(2, 0, 0, 0, 1)->material().frontDiffuse();
    EXPECT_EQ(board.addPiece(2, 6, 1, 0, 2)->material().frontDiffuse(), plain);
    for (int kind = 1; kind <= 5; ++kind)
        EXPECT_NE(BoardScene::kindColour(kind), plain) << "kind " << kind;
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
