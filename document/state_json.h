// The calculator's state as one line of JSON, as tabrix-cli --json prints it
// and the web page's scripting interface returns it.
#pragma once

#include <string>

#include "document/document_commands.h"
#include "engine/calculator_state.h"

namespace tabrix {

// A JSON string, escaped by the JSON library; bytes that are not UTF-8 (a
// damaged state could hold some) become U+FFFD instead of failing.
std::string JsonText(const std::string& text);

// One line of JSON: every member of the state record under its own name, then
// "lcd", "stack_lines" (Y, Z, T as the LCD's small lines show them), the
// clipboard's text (null when it holds none), whether Paste would be
// enabled, and the STO and RCL menu labels.
std::string StateToJson(const CTabrixDoc& doc, DocumentCommands& commands, IClipboard& clipboard);

}  // namespace tabrix
