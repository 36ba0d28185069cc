// A design's outcome as the command line writes it: plain text or JSON.
#pragma once

#include <string>

#include "app/design_request.h"

namespace app {

// Each result with its label and unit, the sheet's figures with units, then
// the warnings; nothing while no design stands.
std::string DesignText(const DesignOutcome& outcome);

// One JSON object: the program, the rows, the option texts as given, the
// results, the sheet's figures, the warnings and the messages.
std::string DesignJson(const DesignRequest& request, const DesignOutcome& outcome);

// The message area's lines, each ending in a line feed.
std::string MessageLines(const DesignOutcome& outcome);

}  // namespace app
