#include "cli/state_printer.h"

#include "engine/main_line.h"

namespace tabrix::cli {

std::string StateToPicture(const CTabrixDoc& doc) {
    std::string picture;
    picture += "T  " + StackLine(doc, kSlotT) + "\n";
    picture += "Z  " + StackLine(doc, kSlotZ) + "\n";
    picture += "Y  " + StackLine(doc, kSlotY) + "\n";
    picture += "   " + MainLineAsRead(doc) + "\n";
    picture += "   " + FormatIndicator(doc) + "  " + doc.m_strAngle;
    if (doc.m_bShift) picture += "  f";
    if (!doc.m_strPrefix.empty()) picture += "  " + doc.m_strPrefix;
    return picture + "\n";
}

}  // namespace tabrix::cli
