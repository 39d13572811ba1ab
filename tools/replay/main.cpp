// glimmora-replay: drives a play session from commands on standard input.
//   new COLSxROWS SEED | move R C | move none | press | undo | redo | print
//   key left|right|up|down|play (the arrow keys, and Space on the field) | cursor
//   save NAME (the Save button for the game that has just ended) | table
//   deal COLSxROWS-SEED (a numbered deal) | hint (shown as the game shows it)
//   par [PLAYOUTS] (the deal's par and its line, from its first board)
// The score table is loaded from hscore.dat in the current folder, and saved there.
// The exit status is 1 when any line was rejected, 0 otherwise.
#include "ReplaySession.h"

#include <iostream>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    ReplaySession session(std::cout, std::cerr);
    session.LoadScores();
    bool allGood = true;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        allGood = session.Execute(line) && allGood;
    }
    std::cout.flush();
    return allGood ? 0 : 1;
}
