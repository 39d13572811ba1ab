#pragma once

#include <string>
#include <vector>

// Score files written byte by byte, the format restated without the program's code:
// ten filler bytes, the payload with every byte lowered by the code offset 5, ten
// filler bytes, then the line end.
std::string HandMadeLine(const std::string& payload, const std::string& end = "\r\n", char filler = 'A');
std::string HandMadeFile(const std::vector<std::string>& payloads);

// The seven payloads of a table of 90, 80, ... 30 points.
std::vector<std::string> DescendingPayloads();

// Undoes HandMadeLine on one line without its line end: the payload between the
// filler.
std::string PayloadOf(const std::string& line);

// The lines of a file, each without its CR LF; fails the test when a line is not
// ended by CR LF.
std::vector<std::string> CrLfLines(const std::string& bytes);
