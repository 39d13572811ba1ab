#pragma once

#include <functional>
#include <string>

// The one place where the program shows a message box. In-process tests install a
// sink so that messages are captured instead of blocking on a modal box; the real
// program never sets one, so end-to-end runs see the real box.
class MessageBoxes {
public:
    using Sink = std::function<void(const std::string&)>;

    // A plain box with the text and an OK button (or the sink, when one is set).
    static void ShowMessage(const std::string& text);

    // Installs a sink (an empty one restores the real box); returns the previous one.
    static Sink SetMessageSink(Sink sink);
};
