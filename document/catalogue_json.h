// The catalogue as JSON: one object per function, for tabrix-cli
// --functions and the web page's face.json.
#pragma once

#include <string>

#include "engine/function_catalogue.h"

namespace tabrix {

// {"token","label","family","description","key","argument"}: the token as
// it is written ("sto+:N"), the label, the family's and the description's
// English words, the face's key and shift that give it ({"code","shifted"},
// or null), and what its argument is ("register", "label", "program" or
// null). With `withId`, also "id", the function's number in this build (the
// web page performs functions by it).
std::string CatalogueJson(const catalogue::Function& function, bool withId = false);

}  // namespace tabrix
