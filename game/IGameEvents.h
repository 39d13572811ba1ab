#pragma once

// What the rules hand over to the windows.
class IGameEvents {
public:
    virtual ~IGameEvents() = default;
    // The game has just ended (ResultPending is set): show the high-score
    // window modally; returns when it has been closed.
    virtual void showHighScores() = 0;
};
