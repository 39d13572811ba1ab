#pragma once

#include <optional>
#include <string>

// One run of the built glimmora-replay on a script.
struct ToolRun {
    std::string out;
    std::string err;
    int status = -1;
    std::optional<std::string> scoreFile;  // hscore.dat in the tool's folder afterwards
};

// Runs the tool in a folder of its own, which holds `scoreFile` as hscore.dat when
// one is given.
ToolRun RunTool(const std::string& script, const std::optional<std::string>& scoreFile = std::nullopt);
