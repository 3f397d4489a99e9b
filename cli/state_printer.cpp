#include "cli/state_printer.h"

#include "engine/main_line.h"

namespace tabrix::cli {

std::string StateToPicture(const CTabrixDoc& doc) {
    std::string picture;
    picture += "T  " + doc.SlotText(kSlotT) + "\n";
    picture += "Z  " + doc.SlotText(kSlotZ) + "\n";
    picture += "Y  " + doc.SlotText(kSlotY) + "\n";
    picture += "   " + MainLineAsRead(doc) + "\n";
    picture += "   " + FormatIndicator(doc) + "  " + doc.m_strAngle;
    if (doc.m_bShift) picture += "  f";
    if (!doc.m_strPrefix.empty()) picture += "  " + doc.m_strPrefix;
    return picture + "\n";
}

}  // namespace tabrix::cli
