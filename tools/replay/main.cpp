// glimmora-replay: drives the rules core from commands on standard input.
//   new COLSxROWS SEED | move R C | move none | press | undo | print
// The exit status is 1 when any line was rejected, 0 otherwise.
#include "ReplaySession.h"

#include <iostream>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    ReplaySession session(std::cout, std::cerr);
    bool allGood = true;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        allGood = session.Execute(line) && allGood;
    }
    std::cout.flush();
    return allGood ? 0 : 1;
}
