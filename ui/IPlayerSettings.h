#pragma once

#include "audio/IGameAudio.h"
#include "game/IGameOptions.h"

#include <QString>

// The options in force as the options window shows them, for the windows that
// act on them: the rules' board size and scheme, and what the main window and
// the score window read when they need it.
class IPlayerSettings : public IGameOptions {
public:
    virtual bool rotateObjects() const = 0;
    virtual bool musicOn() const = 0;
    virtual IGameAudio::Bars volumeBars() const = 0;
    virtual QString playerName() const = 0;
    // Whether each deal's best line is searched for in the background.
    virtual bool parSearch() const = 0;
};
