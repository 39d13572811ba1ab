#pragma once

#include "game/IClock.h"
#include "game/IGameOptions.h"
#include "game/ISoundRequests.h"
#include "game/NullScene.h"
#include "scores/PendingResult.h"
#include "game/PlaySession.h"
#include "scores/ScoreTable.h"

#include <iosfwd>
#include <string>
#include <vector>

// Plays a PlaySession from text commands, standing in for the windows: the
// options, the sound requests and the score window are all its own. The
// score window is open from the end of a game until a command plays on.
class ReplaySession : public IGameOptions, public ISoundRequests, public IClock {
public:
    ReplaySession(std::ostream& out, std::ostream& err);

    // Runs one command line; a bad line is reported on `err` and changes
    // nothing. Returns false for a bad line.
    bool Execute(const std::string& line);

    // Loads the score table from hscore.dat in the current folder when there is
    // one; its failures are reported on `err` and play goes on.
    void LoadScores();

    bool sizeButtonDown(SizeButton button) const override;
    int schemeIndex() const override { return 0; }
    void playSound(Sound sound) override;
    std::uint32_t msOfDayUtc() const override { return 0; }

private:
    bool Play(const std::string& cmd, const std::vector<std::string>& args, const std::string& line);
    bool New(const std::vector<std::string>& args);
    bool Deal(const std::vector<std::string>& args);
    bool Hint();
    bool Par(const std::vector<std::string>& args);
    bool Move(const std::vector<std::string>& args);
    bool Key(const std::vector<std::string>& args);
    // Where the windows open the score window: the game just ended.
    void Ended(const PlaySession::Outcome& outcome);
    bool Save(const std::string& line);
    void PrintTable() const;
    void Print() const;
    void PrintCursor() const;
    int PieceUnderPointer() const;
    bool Fail(const std::string& line, const std::string& why) const;

    std::ostream& out_;
    std::ostream& err_;
    NullScene scene_;
    PlaySession session_;
    int size_ = 0;  // columns of the size button that is down
    int pointerRow_ = 0;  // cell under the pointer; 0 when over nothing
    int pointerCol_ = 0;
    ScoreTable scores_;
    PendingResult pending_;
};
