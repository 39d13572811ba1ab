#pragma once

#include <stdexcept>
#include <string>

// The error of a framework operation (a file that cannot be opened, a text that is
// not a number, a settings file that cannot be written). Its what() is the text the
// player sees in the message box; RunHandler catches it at each handler's boundary.
class FrameworkError : public std::runtime_error {
public:
    explicit FrameworkError(const std::string& text);

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};
