#pragma once
// The warning box of the template library: a replaceable handler that shows a titled message.
#include <functional>
#include <string_view>

#include "holvane/export.hpp"

ATRIUM_EXPORT_BEGIN
namespace atrium {

// Shows a warning with a title and a text; called on the thread that raised the warning, so a
// host that warns from several threads gets calls from each (possibly at once).
using WarningHandler = std::function<void(std::string_view title, std::string_view text)>;

// Replaces the process-wide warning handler and returns the one it replaces. An empty handler
// restores the default, which writes "title: text" and a line break to standard error. Safe
// from any thread; a warning being shown meanwhile may still reach the old handler.
WarningHandler SetWarningHandler(WarningHandler handler);

// Shows a warning through the current handler.
void ShowWarning(std::string_view title, std::string_view text);

}  // namespace atrium
ATRIUM_EXPORT_END
