#include "HandMadeFile.h"

#include <gtest/gtest.h>

std::string HandMadeLine(const std::string& payload, const std::string& end, char filler)
{
    std::string line(10, filler);
    for (const char c : payload)
        line += static_cast<char>((static_cast<unsigned char>(c) + 256 - 5) % 256);
    return line + std::string(10, filler) + end;
}

std::string HandMadeFile(const std::vector<std::string>& payloads)
{
    std::string bytes;
    for (const std::string& payload : payloads)
        bytes += HandMadeLine(payload);
    return bytes;
}

std::vector<std::string> DescendingPayloads()
{
    std::vector<std::string> payloads;
    for (int i = 0; i < 7; ++i) {
        std::string name = "player" + std::to_string(i + 1);
        payloads.push_back(name + std::string(17 - name.size(), ' ') + " " + std::to_string(90 - 10 * i));
    }
    return payloads;
}

std::string PayloadOf(const std::string& line)
{
    if (line.size() < 20)
        return "<short line>";
    std::string payload;
    for (const char c : line.substr(10, line.size() - 20))
        payload += static_cast<char>((static_cast<unsigned char>(c) + 5) % 256);
    return payload;
}

std::vector<std::string> CrLfLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF at byte " << start;
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
