#include "platform/FrameworkError.h"

FrameworkError::FrameworkError(const std::string& text) : std::runtime_error(text), text_(text) {}
