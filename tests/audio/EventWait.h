#pragma once

#include <functional>

// Runs the event loop until the condition holds, for at most a minute (the tests
// run on a loaded machine); whether it came to hold.
bool WaitFor(const std::function<bool()>& condition);
