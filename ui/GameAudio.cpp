#include "GameAudio.h"

#include "MessageBoxes.h"

GameAudio::GameAudio(QObject* callbackWindow, const QString& baseDir, int& songIndex)
    : Music(Sequencer, callbackWindow, baseDir.toStdString(), songIndex),
      // The player is told in the words of a start without an output.
      Recovery([] { MessageBoxes::ShowMessage("Can't initialize digital sound system"); })
{
}
