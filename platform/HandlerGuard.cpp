#include "platform/HandlerGuard.h"

#include "platform/FrameworkError.h"
#include "platform/MessageBoxes.h"

#include <exception>

bool RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const FrameworkError& error) {
        MessageBoxes::ShowMessage(error.Text());
    } catch (const std::exception& error) {
        MessageBoxes::ShowMessage(error.what());
    }
    return false;
}
