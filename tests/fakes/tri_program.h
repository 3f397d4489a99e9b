// The loop the manual shows, for the tests of programs: n in X gives
// 1 + 2 + ... + n.
#pragma once

namespace tabrix::testing {

inline constexpr const char* kTriProgram = R"(# n in X -> 1 + 2 + ... + n, by a loop
def:tri
  STO 1  0 STO 2
  lbl:loop
  RCL 2 RCL 1 + STO 2
  dsz:1
  gto:loop
  RCL 2
end
)";

}  // namespace tabrix::testing
