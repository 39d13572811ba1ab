// The loader of the audio module, through a real dlopen: the fake module with the
// module's entry, the game's own module, and files that are not a module at all.
#include "app/AudioModule.h"
#include "TempDir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kFakeModule = QStringLiteral(GLIMMORA_FAKE_AUDIO_MODULE);
const QString kGameModule = QStringLiteral(GLIMMORA_AUDIO_MODULE);

TEST(AudioModuleTest, TheModuleMakesTheAudioThroughItsEntry)
{
    AudioModule::Loaded loaded = AudioModule::Load(kFakeModule, "data");
    ASSERT_NE(loaded.audio, nullptr) << loaded.error.toStdString();
    EXPECT_FALSE(loaded.libraryTooOld);
    EXPECT_EQ(loaded.audio->SongIndex(), 4321) << "the audio is the module's own";
    loaded.audio->SetSoundEnabled(true);
    EXPECT_TRUE(loaded.audio->PlaySound(1));
}

TEST(AudioModuleTest, TheModulesRefusalsAreTold)
{
    AudioModule::Loaded tooOld = AudioModule::Load(kFakeModule, "too-old");
    EXPECT_EQ(tooOld.audio, nullptr);
    EXPECT_TRUE(tooOld.libraryTooOld);

    AudioModule::Loaded otherBuild = AudioModule::Load(kFakeModule, "other-build");
    EXPECT_EQ(otherBuild.audio, nullptr);
    EXPECT_FALSE(otherBuild.libraryTooOld);
    EXPECT_TRUE(otherBuild.error.contains("another version")) << otherBuild.error.toStdString();
}

TEST(AudioModuleTest, WhatCannotBeLoadedGivesNoAudioAndSaysWhy)
{
    TempDir dir;
    const std::string notElf = dir.File("glimmora-audio.so");
    WriteFileBytes(notElf, "#!/bin/sh\necho not a library\n");
    const QString cases[] = {QString::fromStdString(dir.File("missing/glimmora-audio.so")),
                             QString::fromStdString(notElf)};
    for (const QString& path : cases) {
        AudioModule::Loaded loaded = AudioModule::Load(path, "data");
        EXPECT_EQ(loaded.audio, nullptr) << path.toStdString();
        EXPECT_FALSE(loaded.libraryTooOld) << path.toStdString();
        EXPECT_FALSE(loaded.error.isEmpty()) << path.toStdString();
    }
}

// A library without the entry: the sound library itself stands in for one.
TEST(AudioModuleTest, ALibraryWithoutTheEntryGivesNoAudio)
{
    AudioModule::Loaded loaded = AudioModule::Load(QStringLiteral("libSDL2-2.0.so.0"), "data");
    EXPECT_EQ(loaded.audio, nullptr);
    EXPECT_TRUE(loaded.error.contains(QStringLiteral("glimmora_make_audio"))) << loaded.error.toStdString();
}

// The game's module answers the program's interface version and makes a GameAudio, which
// keeps what it is told without opening any output.
TEST(AudioModuleTest, TheGamesModuleLoadsAndMakesItsAudio)
{
    ASSERT_TRUE(QFileInfo::exists(kGameModule)) << kGameModule.toStdString();
    AudioModule::Loaded loaded = AudioModule::Load(kGameModule, "data");
    ASSERT_NE(loaded.audio, nullptr) << loaded.error.toStdString();
    EXPECT_FALSE(loaded.audio->Started());
    loaded.audio->SetSongIndex(5);
    EXPECT_EQ(loaded.audio->SongIndex(), 5);
    EXPECT_FALSE(loaded.audio->PlaySound(1)) << "the effects' switch starts off";
}

}  // namespace
