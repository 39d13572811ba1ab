#include "GameAudio.h"

GameAudio::GameAudio(QObject* callbackWindow, const QString& baseDir, int& songIndex)
    : Music(Sequencer, callbackWindow, baseDir.toStdString(), songIndex)
{
}
