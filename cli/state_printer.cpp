#include "cli/state_printer.h"

#include "engine/main_line.h"

namespace tabrix::cli {

std::string StateToPicture(const CTabrixDoc& doc) {
    std::string picture;
    picture += "T  " + doc.FormatNumber(doc.m_dT) + "\n";
    picture += "Z  " + doc.FormatNumber(doc.m_dZ) + "\n";
    picture += "Y  " + doc.FormatNumber(doc.m_dY) + "\n";
    picture += "   " + MainLineAsRead(doc) + "\n";
    picture += "   " + doc.m_strFormat + "." + std::to_string(doc.m_nDigits) + "  " + doc.m_strAngle;
    if (doc.m_bShift) picture += "  f";
    if (!doc.m_strPrefix.empty()) picture += "  " + doc.m_strPrefix;
    return picture + "\n";
}

}  // namespace tabrix::cli
