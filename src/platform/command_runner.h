#pragma once
// Every command of the windows runs through run_guarded: a platform error (file input/output,
// number conversion) ends the command with the standard error box.
#include <functional>

#include "platform/ui_services.h"

namespace quillo::platform {

inline constexpr const char* kApplicationTitle = "Quillo 4.8";

// True when the command ran to its end; false when a PlatformError stopped it (already shown).
// Other exceptions pass through.
bool run_guarded(UiServices& ui, const std::function<void()>& command);

}  // namespace quillo::platform
