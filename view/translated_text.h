// The document's marked texts (document/notice.h) in the user's language:
// each sentence translated by its context and template, the values put in.
#pragma once

#include <QString>
#include <string_view>

#include "document/notice.h"

namespace tabrix {

QString Translated(std::string_view marked);
// A notice's sentences, one after another.
QString Translated(const Notice& notice);

}  // namespace tabrix
