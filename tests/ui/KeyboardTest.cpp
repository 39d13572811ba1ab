// The game played from the keyboard on the real windows: the cursor over the
// field, the keys of the main window, Escape in the other two; and what the
// controls and the view tell assistive technology.
#include "GameWorld.h"

#include "game/Game.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFlatEdit.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "ui/TFormScore.h"
#include "controls/TFrogButton.h"
#include "controls/TFrogComboBox.h"
#include "scene/TGLSceneViewer.h"
#include "ui/MainScene.h"
#include "controls/TOffice97Button.h"

#include "../support/KeyPath.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
using Dir = FieldCursor::Direction;

Qt::Key KeyOf(Dir d)
{
    switch (d) {
    case Dir::Left:
        return Qt::Key_Left;
    case Dir::Right:
        return Qt::Key_Right;
    case Dir::Up:
        return Qt::Key_Up;
    case Dir::Down:
        return Qt::Key_Down;
    }
    return Qt::Key_unknown;
}

// A world with a 16 x 8 board of tori dealt from a fixed seed.
struct KeyBoard {
    KeyBoard()
    {
        world.WriteIni("[Options]\r\nRB168=1\r\nScheme=1\r\nEnableSound=1\r\n");
        world.Start();
        main().session().SetSeedOverride(20261209);
        main().InitGame();
    }
    TFormMain& main() { return world.main(); }
    const BoardState& board() { return main().game().Board(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&main(), key, mods); }
    // The cursor, once it has the lighting, walked to the piece in (row, column).
    void WalkTo(int row, int column)
    {
        const PlaySession& session = main().session();
        if (!session.CursorLit())
            Key(Qt::Key_Down);
        for (Dir d : KeyPath(board(), session.Cursor(), row, column))
            Key(KeyOf(d));
        ASSERT_EQ(session.Cursor().Row(), row);
        ASSERT_EQ(session.Cursor().Column(), column);
    }
    // The first cell, row by row, whose piece has a like neighbour to its right.
    std::pair<int, int> CellInAGroup()
    {
        for (int r = 1; r <= board().FieldRows; ++r)
            for (int c = 1; c < board().FieldCols; ++c)
                if (board().Matrix(r, c).kind > 0 && board().Matrix(r, c).kind == board().Matrix(r, c + 1).kind)
                    return {r, c};
        return {0, 0};
    }
    GameWorld world;
};
}  // namespace

// What each key does is the session's; here only that the window's keys
// reach it as the table says.
TEST(Keyboard, TheKeysRunTheSessionsCommandsAndAHeldKeyPlaysOnce)
{
    KeyBoard b;
    const Game& game = b.main().game();
    const auto [row, column] = b.CellInAGroup();
    ASSERT_NE(row, 0);
    b.WalkTo(row, column);
    b.Key(Qt::Key_Space);
    EXPECT_EQ(game.UndoDepth(), 1);
    const BoardState played = b.board();
    b.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.UndoDepth(), 0);
    b.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(b.board(), played);
    b.Key(Qt::Key_Z, Qt::ControlModifier);
    b.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(b.board(), played);

    b.Key(Qt::Key_Return);  // whatever is lit now: a turn (or a refused click) all the same
    EXPECT_EQ(game.UndoDepth(), 2);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(&b.main(), &held);
    EXPECT_EQ(game.UndoDepth(), 2) << "a held key plays once";
    b.Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(game.UndoDepth(), 3);
    b.Key(Qt::Key_F2);
    EXPECT_EQ(game.UndoDepth(), 0);
    b.Key(Qt::Key_Space);
    b.Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(game.UndoDepth(), 0);
}

TEST(Keyboard, EscapeClosesTheOptionsAndScoreWindowsAsTheirCloseButtons)
{
    KeyBoard b;
    TFormOpt& opt = b.world.opt();
    QTimer::singleShot(0, &opt, [&] {
        Control<TBitCheckBox>(opt, "bcbEnableSounds")->setChecked(false);
        QTest::keyClick(&opt, Qt::Key_Escape);
    });
    b.main().btOptionsClick();
    EXPECT_FALSE(opt.isVisible());
    EXPECT_NE(b.world.ReadIni().find("EnableSound=0"), std::string::npos) << "saved as Close saves";

    TFormScore& score = b.world.score();
    QTimer::singleShot(0, &score, [&] { QTest::keyClick(Control<TFlatEdit>(score, "meEnterName"), Qt::Key_Escape); });
    b.main().fbHighScoresClick();
    EXPECT_FALSE(score.isVisible());
}

TEST(Keyboard, TabWalksTheMainWindowFromTheFieldThroughItsButtons)
{
    KeyBoard b;
    TFormMain& w = b.main();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.scene().View().setFocus(Qt::TabFocusReason);
    const QImage plain = Control(w, "btNewGame")->grab().toImage();
    std::vector<QWidget*> seen;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(QApplication::focusWidget());
    }
    std::vector<QWidget*> order;
    for (const char* name : {"btNewGame", "btOptions", "fbHighScores", "fbExit", "btUndo", "btHint"})
        order.push_back(Control(w, name));
    order.push_back(&w.scene().View());
    EXPECT_EQ(seen, order);
    Control(w, "btNewGame")->setFocus(Qt::TabFocusReason);
    EXPECT_NE(Control(w, "btNewGame")->grab().toImage(), plain) << "the button Tab reaches is framed";
    // Space on the field plays there; on a button it presses the button.
    const int before = w.game().UndoDepth();
    QTest::keyClick(&w.scene().View(), Qt::Key_Down);
    QTest::keyClick(&w.scene().View(), Qt::Key_Space);
    EXPECT_EQ(w.game().UndoDepth(), before + 1);
    Control(w, "btUndo")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Control(w, "btUndo"), Qt::Key_Space);
    EXPECT_EQ(w.game().UndoDepth(), before);
}

TEST(Accessibility, EveryControlHasANameAndARoleAndTheViewDescribesTheLitGroup)
{
    KeyBoard b;
    for (QWidget* window : std::vector<QWidget*>{&b.main(), &b.world.opt(), &b.world.score()}) {
        const QList<QWidget*> controls = window->findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* w : controls) {
            if (!qobject_cast<TFrogButton*>(w) && !qobject_cast<TBitCheckBox*>(w) && !qobject_cast<TFrogComboBox*>(w)
                && !qobject_cast<TFlatEdit*>(w) && !qobject_cast<TOffice97Button*>(w)
                && !qobject_cast<TGLSceneViewer*>(w))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(face, nullptr) << w->metaObject()->className();
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << w->metaObject()->className();
            EXPECT_NE(face->role(), QAccessible::Client) << face->text(QAccessible::Name).toStdString();
            ++checked;
        }
        EXPECT_GE(checked, 6) << window->windowTitle().toStdString();
    }
    QAccessibleInterface* size = QAccessible::queryAccessibleInterface(Control<TFrogButton>(b.world.opt(), "rb168"));
    EXPECT_EQ(size->role(), QAccessible::RadioButton);
    EXPECT_EQ(size->text(QAccessible::Name), "16 x 08 Game Field");
    EXPECT_TRUE(size->state().checked);

    TGLSceneViewer* view = &b.main().scene().View();
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(view);
    EXPECT_EQ(field->role(), QAccessible::Canvas);
    EXPECT_EQ(field->text(QAccessible::Name), "Game field");
    const auto frame = [&] { b.main().GLCadencer1Progress(0.016, 0); };
    frame();
    EXPECT_EQ(field->text(QAccessible::Description), "");
    const auto [row, column] = b.CellInAGroup();
    b.WalkTo(row, column);
    frame();
    const char* colours[] = {"", "yellow", "green", "blue", "cyan", "red"};
    const int n = b.main().game().GroupCount();
    EXPECT_EQ(field->text(QAccessible::Description).toStdString(),
              std::string(colours[b.board().Matrix(row, column).kind]) + ", group of " + std::to_string(n) + ", "
                  + std::to_string(GroupPoints(n)) + (GroupPoints(n) == 1 ? " point" : " points"));
}
