// The console's tokens: the calculator session's token reader, under the
// console's names.
#pragma once

#include "document/token_reader.h"

namespace tabrix::cli {

using CliAction = Action;
using tabrix::ForEachWord;
using tabrix::ParseToken;
using tabrix::SplitLine;

}  // namespace tabrix::cli
