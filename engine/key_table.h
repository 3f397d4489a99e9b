// The keypad as one layout over the catalogue: for every key code, the
// function it gives without and with the F shift. ExecuteKey runs the
// function of a row, so a key's whole behaviour reads on one line.
#pragma once

#include <cstdint>
#include <span>

#include "engine/calculator_state.h"
#include "engine/function_catalogue.h"

namespace tabrix {

struct KeyRow {
    std::uint32_t code;
    FunctionId plain;    // without the shift
    FunctionId shifted;  // after F

    const catalogue::Function& Plain() const { return catalogue::At(plain); }
    const catalogue::Function& Shifted() const { return catalogue::At(shifted); }
};

// The keypad's meanings: the scientific one, in integer mode (F e^x and F
// 10^x move the main line's window), and in HEX (the top row types A to F).
enum class KeyLayer : std::uint8_t { Scientific, Integer, Hex };
inline KeyLayer KeyLayerOf(const CalculatorState& state) {
    if (!state.m_integer.On()) return KeyLayer::Scientific;
    return state.m_integer.base == 16 ? KeyLayer::Hex : KeyLayer::Integer;
}

// The function of key `code` without or with the shift. Codes without a key
// (0, 26 under ENTER, anything beyond 30) have a function that does nothing.
const catalogue::Function& KeyFunctionOf(std::uint32_t code, bool shifted, KeyLayer layer = KeyLayer::Scientific);

// Whether the key's function differs between the layers (the top row's).
bool LayeredKey(std::uint32_t code, bool shifted);

// The rows of the keys 1 to 30, in code order (26 among them, without functions).
std::span<const KeyRow> KeyTable();

}  // namespace tabrix
