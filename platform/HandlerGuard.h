#pragma once

#include <functional>

// Runs one event handler. An error escaping it (FrameworkError or any other
// std::exception) ends the handler there and is shown through MessageBoxes with the
// error's own text; the program then goes on. Returns false when the handler was cut
// short, so a creation handler's caller can tell that the rest was skipped.
bool RunHandler(const std::function<void()>& handler);
