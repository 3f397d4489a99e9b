// libFuzzer target: the state-file reader on arbitrary bytes.
//
// Whatever the bytes, decoding must not read outside them or misbehave; a
// state it accepts must survive a write and a second read unchanged, and the
// calculator must cope with it (display refresh and a few keys).
#include <cstdint>
#include <cstdlib>

#include "document/state_file.h"
#include "engine/calculator_state.h"
#include "engine/key_codes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tabrix::CTabrixDoc doc;
    doc.InitializeState();
    const tabrix::CalculatorState base = doc.State();

    const auto state = tabrix::DecodeState({data, size}, base);
    if (!state) return 0;

    const auto again = tabrix::DecodeState(tabrix::EncodeState(*state), base);
    if (!again || !(*again == *state)) std::abort();

    doc.SetState(*state);
    doc.UpdateDisplay();
    for (std::uint32_t key : {tabrix::keys::kFive, tabrix::keys::kBackspace, tabrix::keys::kEex,
                              tabrix::keys::kChs, tabrix::keys::kPoint, tabrix::keys::kEnter, tabrix::keys::kPlus}) {
        doc.PressKey(key);
    }
    return 0;
}
