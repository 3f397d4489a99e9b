// Text from the plain C++ side of the program (UTF-8 in std::string or
// std::string_view) as Qt text.
#pragma once

#include <QString>
#include <string_view>

namespace tabrix {

inline QString QtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tabrix
