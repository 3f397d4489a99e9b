// The console's two pictures of the calculator: JSON for programs, a small
// text LCD for people.
#pragma once

#include <string>

#include "document/document_commands.h"
#include "document/state_json.h"
#include "engine/calculator_state.h"

namespace tabrix::cli {

// The JSON picture is the document's (document/state_json.h).
using tabrix::JsonText;
using tabrix::StateToJson;

// The LCD as text: T, Z, Y, the main line, then the mode, the angle unit and
// the shift and prefix indicators. Ends with a newline.
std::string StateToPicture(const CTabrixDoc& doc);

}  // namespace tabrix::cli
