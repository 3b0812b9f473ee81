#include "platform/command_runner.h"

#include "platform/errors.h"

namespace quillo::platform {

bool run_guarded(UiServices& ui, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const PlatformError& e) {
        ui.message(e.what(), kApplicationTitle, Icon::error);
        return false;
    }
}

}  // namespace quillo::platform
