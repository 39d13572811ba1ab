#pragma once

#include <functional>
#include <string>

// The sequencer's error box: a text under a caption of its own, with no owner window
// and an OK button, waiting until the player closes it. In-process tests install a
// sink so that the box is captured instead of blocking; the real program never does.
class MciErrorBox {
public:
    using Sink = std::function<void(const std::string& text, const std::string& caption)>;

    static void Show(const std::string& text, const std::string& caption);

    // Installs a sink (an empty one restores the real box); returns the previous one.
    static Sink SetSink(Sink sink);
};
