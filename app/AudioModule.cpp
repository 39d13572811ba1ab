#include "app/AudioModule.h"

#include "audio/GameAudioModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString AudioModule::BesideProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(GameAudioModule::kFileName));
}

AudioModule::Loaded AudioModule::Load(const QString& path, const std::string& baseDir)
{
    using GameAudioModule::Made;
    Loaded loaded;
    // Not unloaded when the QLibrary goes: only unload() does that, which nothing calls.
    QLibrary library(path);
    if (!library.load()) {
        loaded.error = library.errorString();
        return loaded;
    }
    const auto make = reinterpret_cast<GameAudioModule::Factory>(library.resolve(GameAudioModule::kFactoryName));
    if (make == nullptr) {
        loaded.error = QStringLiteral("%1 has no %2").arg(path, QLatin1String(GameAudioModule::kFactoryName));
        return loaded;
    }
    const int made = make(GameAudioModule::kInterfaceVersion, baseDir.c_str(), &loaded.audio);
    loaded.libraryTooOld = made == int(Made::LibraryTooOld);
    if (made == int(Made::OtherInterface))
        loaded.error = QStringLiteral("%1 was built for another version of the program").arg(path);
    if (made != int(Made::Audio))
        loaded.audio.reset();
    return loaded;
}
