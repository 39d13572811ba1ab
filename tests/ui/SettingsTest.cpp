// The settings file as the options window loads and saves it.
#include "GameWorld.h"

#include "game/Game.h"
#include "controls/TBitCheckBox.h"
#include "controls/TFlatEdit.h"
#include "ui/TFormMain.h"
#include "ui/TFormOpt.h"
#include "controls/TFrogButton.h"
#include "controls/TFrogComboBox.h"
#include "audio/GameAudio.h"

#include "platform/FrameworkError.h"
#include "platform/TIniFile.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() / 2, w->height() / 2)); }
}  // namespace

TEST(Settings, NoFileGivesTheDefaults)
{
    GameWorld world;
    world.audio().SetSongIndex(7);
    world.Start();
    TFormOpt& o = world.opt();
    EXPECT_EQ(Control<TFlatEdit>(o, "edPlayerName")->text(), "");
    EXPECT_FALSE(Control<TBitCheckBox>(o, "bcbEnableSounds")->isChecked());
    EXPECT_FALSE(Control<TBitCheckBox>(o, "bcbEnableMusic")->isChecked());
    EXPECT_FALSE(Control<TFrogButton>(o, "rb2012")->isDown());
    EXPECT_FALSE(Control<TFrogButton>(o, "rb1810")->isDown());
    EXPECT_TRUE(Control<TFrogButton>(o, "rb168")->isDown()) << "no size chosen is no board to play";
    EXPECT_EQ(world.audio().SongIndex(), 0);
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->currentIndex(), 0);
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->currentText(), "Scheme1");
    EXPECT_TRUE(Control<TBitCheckBox>(o, "cbRotate")->isChecked());
    EXPECT_FALSE(world.audio().SoundEnabled());
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar1")->value(), 30);
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar2")->value(), 30);
}

TEST(Settings, ValuesAreLoadedAsTheyStand)
{
    GameWorld world;
    world.WriteIni("[options]\r\nplayername = \"Ann Lee\"\r\nEnableSound=2\r\nEnableMusic=yes\r\n"
                   "RB2012=1\r\nRB168=1\r\nSong=0x10\r\nScheme=7\r\n");
    world.Start();
    // The first board and the audio come from the file alone; the options
    // window is built when first wanted, and shows what the file gave.
    EXPECT_FALSE(world.windows().OptionsBuilt());
    EXPECT_FALSE(world.windows().ScoresBuilt());
    EXPECT_TRUE(world.audio().SoundEnabled());
    EXPECT_EQ(world.main().game().Board().FieldCols, 16);
    TFormOpt& o = world.opt();
    EXPECT_EQ(Control<TFlatEdit>(o, "edPlayerName")->text(), "Ann Lee");
    EXPECT_TRUE(Control<TBitCheckBox>(o, "bcbEnableSounds")->isChecked());
    EXPECT_TRUE(world.audio().SoundEnabled());
    EXPECT_FALSE(Control<TBitCheckBox>(o, "bcbEnableMusic")->isChecked());
    // Both stay down; the size follows the last one tested.
    EXPECT_TRUE(Control<TFrogButton>(o, "rb2012")->isDown());
    EXPECT_TRUE(Control<TFrogButton>(o, "rb168")->isDown());
    EXPECT_EQ(world.main().game().Board().FieldCols, 16);
    EXPECT_EQ(world.audio().SongIndex(), 16);
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->currentIndex(), 0) << "a scheme past the list is the first";
    EXPECT_EQ(world.main().game().Board().NextPiece, 129);
    EXPECT_NE(world.main().game().ObjectOf(1), nullptr);
}

// The Shapes scheme is the list's fourth item and stored as 3; a number past
// it is the first scheme, as a missing one is.
TEST(Settings, SchemeThreeIsShapesAndComesBackAsThree)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\nScheme=3\r\n");
    world.Start();
    TFormOpt& o = world.opt();
    ASSERT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->count(), 4);
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->itemText(2), "Scheme3");
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->currentIndex(), 3);
    EXPECT_EQ(Control<TFrogComboBox>(o, "cbGameScheme")->currentText(), "Shapes");
    EXPECT_NE(world.main().game().ObjectOf(1), nullptr);
    o.show();
    Click(Control<TFrogButton>(o, "elbtClose"));
    EXPECT_NE(world.ReadIni().find("Scheme=3\r\n"), std::string::npos) << world.ReadIni();

    GameWorld past;
    past.WriteIni("[Options]\r\nRB168=1\r\nScheme=4\r\n");
    past.Start();
    EXPECT_EQ(Control<TFrogComboBox>(past.opt(), "cbGameScheme")->currentIndex(), 0);
    EXPECT_NE(past.main().game().ObjectOf(1), nullptr);
}

TEST(Settings, CloseWritesTheKeysInOrderAndTheyComeBack)
{
    GameWorld world;
    world.WriteIni("; kept\r\n[Other]\r\nA=1\r\n[Options]\r\nRB168=1\r\n");
    world.Start();
    TFormOpt& o = world.opt();
    // Showing the window reloads the file, so change things while it is up.
    o.show();
    Control<TFlatEdit>(o, "edPlayerName")->setText("Zed");
    Control<TBitCheckBox>(o, "bcbEnableSounds")->setChecked(true);
    Control<TFrogComboBox>(o, "cbGameScheme")->setCurrentIndex(-1);
    Click(Control<TFrogButton>(o, "rb1810"));
    EXPECT_TRUE(Control<TFrogButton>(o, "rb1810")->isDown());
    EXPECT_FALSE(Control<TFrogButton>(o, "rb168")->isDown());
    Click(Control<TFrogButton>(o, "rb1810"));
    EXPECT_TRUE(Control<TFrogButton>(o, "rb1810")->isDown());
    EXPECT_FALSE(world.audio().SoundEnabled());  // follows the box only on Close
    Click(Control<TFrogButton>(o, "elbtClose"));
    EXPECT_TRUE(world.audio().SoundEnabled());
    EXPECT_FALSE(o.isVisible());
    EXPECT_EQ(world.ReadIni(), "; kept\r\n[Other]\r\nA=1\r\n[Options]\r\nRB168=0\r\nPlayerName=Zed\r\nEnableSound=1\r\n"
                               "Scheme=-1\r\nEnableMusic=0\r\nRB2012=0\r\nRB1810=1\r\nParSearch=1\r\n");
    // The board in play keeps its size until New Game.
    EXPECT_EQ(world.main().game().Board().FieldCols, 16);
    world.main().btNewGameClick();
    EXPECT_EQ(world.main().game().Board().FieldCols, 18);

    // Showing the window reloads what was saved.
    Control<TFlatEdit>(o, "edPlayerName")->setText("unsaved");
    QTimer::singleShot(50, [&] { Click(Control<TFrogButton>(o, "elbtClose")); });
    o.ShowModal();
    EXPECT_EQ(Control<TFlatEdit>(o, "edPlayerName")->text(), "Zed");
}

TEST(Settings, ARefusedWriteIsReportedOnceAndTheWindowAndTheProgramCloseAllTheSame)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    // A folder where the file should be: no write can succeed, even as root.
    world.Remove("s3d.ini");
    ASSERT_EQ(mkdir(world.Path("s3d.ini").toLocal8Bit().constData(), 0755), 0);
    world.opt().show();
    Click(Control<TFrogButton>(world.opt(), "elbtClose"));
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.back(), "Unable to write to " + world.Path("s3d.ini").toStdString());
    EXPECT_FALSE(world.opt().isVisible());

    world.main().show();
    Click(Control(world.main(), "fbExit"));
    ASSERT_EQ(world.messages.size(), 2u);
    EXPECT_EQ(world.messages.back(), "Unable to write to " + world.Path("s3d.ini").toStdString());
    EXPECT_FALSE(world.main().isVisible());
}

TEST(Settings, AReadOnlyFileIsLeftWholeAndReported)
{
    GameWorld world;
    const std::string stored = "[Options]\r\nRB168=1\r\nPlayerName=Old\r\n";
    world.WriteIni(stored);
    ASSERT_EQ(chmod(world.Path("s3d.ini").toLocal8Bit().constData(), 0444), 0);
    world.Start();
    world.opt().show();
    Control<TFlatEdit>(world.opt(), "edPlayerName")->setText("New");
    Click(Control<TFrogButton>(world.opt(), "elbtClose"));
    ASSERT_EQ(world.messages.size(), 1u);
    EXPECT_EQ(world.messages.back(), "Unable to write to " + world.Path("s3d.ini").toStdString());
    EXPECT_FALSE(world.opt().isVisible());
    EXPECT_EQ(world.ReadIni(), stored);
}

TEST(Settings, ANameThatIsNoUtf8ComesBackByteForByteUnlessThePlayerChangesIt)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nPlayerName=Jos\xE9\r\nRB168=1\r\n");
    world.Start();
    TFormOpt& o = world.opt();
    o.show();
    Click(Control<TFrogButton>(o, "elbtClose"));
    EXPECT_NE(world.ReadIni().find("PlayerName=Jos\xE9\r\n"), std::string::npos) << world.ReadIni();
    o.show();
    Control<TFlatEdit>(o, "edPlayerName")->setText(QString::fromUtf8("Jos\xC3\xA9"));
    Click(Control<TFrogButton>(o, "elbtClose"));
    EXPECT_NE(world.ReadIni().find("PlayerName=Jos\xC3\xA9\r\n"), std::string::npos) << world.ReadIni();
}

TEST(Settings, ExitStoresTheNextSongAndTheLargestIndexWrapsToTheFirst)
{
    // A song before the first starts at the first, and the next run after it.
    for (auto [stored, written] : {std::pair{"2", "3"}, {"-2147483648", "1"}, {"2147483647", "0"}}) {
        GameWorld world;
        world.WriteIni(std::string("[Options]\r\nRB168=1\r\nSong=") + stored + "\r\n");
        world.Start();
        world.main().show();
        Click(Control(world.main(), "fbExit"));
        EXPECT_NE(world.ReadIni().find(std::string("Song=") + written + "\r\n"), std::string::npos)
            << stored << ": " << world.ReadIni();
    }
}

TEST(Settings, VolumeButtonsStepTheirOwnBarWithinItsRange)
{
    GameWorld world;
    world.Start();
    TFormOpt& o = world.opt();
    for (int i = 0; i < 12; ++i)
        Click(Control<TFrogButton>(o, "btSoundLow"));
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar2")->value(), 0);
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar1")->value(), 30);
    for (int i = 0; i < 5; ++i)
        Click(Control<TFrogButton>(o, "btMusicHigh"));
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar1")->value(), 45);
    for (int i = 0; i < 10; ++i)
        Click(Control<TFrogButton>(o, "btMusicHigh"));
    EXPECT_EQ(Control<QProgressBar>(o, "ProgressBar1")->value(), 60);
}

TEST(Settings, ACheckBoxClickHandsTheFocusToTheSchemeList)
{
    GameWorld world;
    world.Start();
    TFormOpt& o = world.opt();
    o.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&o));
    o.activateWindow();
    const bool before = Control<TBitCheckBox>(o, "cbRotate")->isChecked();
    Click(Control<TBitCheckBox>(o, "cbRotate"));
    EXPECT_NE(Control<TBitCheckBox>(o, "cbRotate")->isChecked(), before);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Control<TFrogComboBox>(o, "cbGameScheme")->hasFocus(); }));
    o.hide();
}

namespace {
// The text as an editor saves it "as Unicode": UTF-16, little-endian, marked.
std::string Utf16(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}
}  // namespace

// Files a player makes by hand give a board to play, and Close writes into them
// what reads back.
TEST(Settings, HandMadeFilesGiveABoardToPlay)
{
    const std::string keys = "PlayerName=Ann\r\nRB2012=true\r\nRB168=False\r\nScheme=7\r\nSong=-3\r\n";
    for (const std::string& file : {"\xEF\xBB\xBF[Options]\r\n" + keys, Utf16("[Options]\r\n" + keys), keys}) {
        GameWorld world;
        world.WriteIni(file);
        world.Start();
        TFormOpt& o = world.opt();
        EXPECT_EQ(world.main().game().Board().FieldCols, 20) << file;
        EXPECT_NE(world.main().game().ObjectOf(1), nullptr) << file;
        EXPECT_EQ(world.audio().SongIndex(), 0) << file;
        o.show();
        Control<TFlatEdit>(o, "edPlayerName")->setText("Bea");
        Click(Control<TFrogButton>(o, "elbtClose"));
        o.ReadOptions();
        EXPECT_EQ(Control<TFlatEdit>(o, "edPlayerName")->text(), "Bea") << file;
        EXPECT_TRUE(Control<TFrogButton>(o, "rb2012")->isDown()) << file;
        EXPECT_TRUE(world.messages.empty()) << world.messages.front();
    }
}

// A name pasted with its line break: the field holds a space in its place, and
// Close saves every choice with no message.
TEST(Settings, APastedLineBreakBecomesASpaceAndEveryChoiceIsSaved)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    TFormOpt& o = world.opt();
    o.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&o));
    Click(Control<TFrogButton>(o, "rb1810"));
    Control<TFlatEdit>(o, "edPlayerName")->clear();
    QGuiApplication::clipboard()->setText("Bob\r\nSmith");
    QTest::keyClick(Control<TFlatEdit>(o, "edPlayerName"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Control<TFlatEdit>(o, "edPlayerName")->text(), "Bob Smith");
    Click(Control<TFrogButton>(o, "elbtClose"));
    EXPECT_TRUE(world.messages.empty()) << world.messages.front();
    EXPECT_NE(world.ReadIni().find("PlayerName=Bob Smith\r\n"), std::string::npos) << world.ReadIni();
    EXPECT_NE(world.ReadIni().find("RB1810=1\r\n"), std::string::npos) << world.ReadIni();
    // Should such a value reach the file all the same, the message says what is wrong with it.
    try {
        TIniFile(world.Path("s3d.ini").toStdString()).WriteString("Options", "PlayerName", "Bob\r\nSmith");
        ADD_FAILURE() << "a line break was written";
    } catch (const FrameworkError& error) {
        EXPECT_NE(error.Text().find("line break"), std::string::npos) << error.Text();
    }
}

// The window manager's close (what Alt+F4 sends) is the player's Close.
TEST(Settings, TheWindowManagersCloseSavesAsCloseDoes)
{
    GameWorld world;
    world.WriteIni("[Options]\r\nRB168=1\r\n");
    world.Start();
    TFormOpt& o = world.opt();
    QTimer::singleShot(0, [&] {
        Click(Control<TFrogButton>(o, "rb1810"));
        o.windowHandle()->close();
    });
    o.ShowModal();
    EXPECT_FALSE(o.isVisible());
    EXPECT_NE(world.ReadIni().find("RB1810=1\r\n"), std::string::npos) << world.ReadIni();
    o.show();
    EXPECT_TRUE(Control<TFrogButton>(o, "rb1810")->isDown()) << "showing the window again brought the old size back";
    o.hide();
}
