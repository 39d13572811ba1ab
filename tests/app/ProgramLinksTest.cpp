// The program starts without the sound libraries: they come with the audio module,
// loaded when sound is first wanted. Read from the built files' dynamic sections.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString kProgram = QStringLiteral(GLIMMORA_PROGRAM);
const QString kModule = QStringLiteral(GLIMMORA_AUDIO_MODULE);
const QRegularExpression kSoundLibrary(QStringLiteral("^lib(SDL2|SDL2_mixer|fluidsynth)[-.]"),
                                       QRegularExpression::CaseInsensitiveOption);

QString Output(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The DT_NEEDED entries: " 0x... (NEEDED)  Shared library: [libc.so.6]".
QStringList Needed(const QString& file)
{
    QStringList names;
    const QRegularExpression needed(QStringLiteral("\\(NEEDED\\).*\\[([^]]+)\\]"));
    for (const QString& line : Output("readelf", {"-d", file}).split('\n')) {
        if (const QRegularExpressionMatch m = needed.match(line); m.hasMatch())
            names << m.captured(1);
    }
    return names;
}

// Every library the loader would map for the file, through whatever pulls it in.
QStringList Resolved(const QString& file)
{
    QStringList names;
    for (const QString& line : Output("ldd", {file}).split('\n')) {
        const QString name = line.trimmed().section(' ', 0, 0);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

QStringList SoundLibraries(const QStringList& names) { return names.filter(kSoundLibrary); }

TEST(ProgramLinksTest, TheProgramNeedsNoSoundLibraryAndTheModuleAllThree)
{
    const QStringList program = Needed(kProgram);
    ASSERT_TRUE(program.contains("libQt6Core.so.6")) << "readelf read nothing: " << program.join(' ').toStdString();
    EXPECT_EQ(SoundLibraries(program), QStringList()) << program.join(' ').toStdString();
    const QStringList module = Needed(kModule);
    EXPECT_EQ(SoundLibraries(module).size(), 3) << module.join(' ').toStdString();
}

TEST(ProgramLinksTest, NothingTheProgramLoadsPullsThemIn)
{
    const QStringList program = Resolved(kProgram);
    ASSERT_TRUE(program.contains("libQt6Gui.so.6")) << "ldd read nothing: " << program.join(' ').toStdString();
    EXPECT_EQ(SoundLibraries(program), QStringList()) << program.join(' ').toStdString();
    EXPECT_FALSE(SoundLibraries(Resolved(kModule)).isEmpty());
}

}  // namespace
