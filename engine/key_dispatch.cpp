// ExecuteKey: what each key means with and without the F shift and the HYP
// prefix, the two-key prefix commands, and the epilogue that settles the shift
// and the prefix after every key.
#include <cmath>
#include <utility>

#include "engine/calculator_state.h"
#include "engine/key_codes.h"
#include "engine/math_constants.h"

namespace tabrix {

namespace {

constexpr const char* kHyp = "HYP";

// The digit typed by each digit key, -1 for the other codes.
int DigitOfKey(std::uint32_t key) {
    for (int digit = 0; digit < 10; ++digit) {
        if (keys::kDigitKeys[digit] == key) return digit;
    }
    return -1;
}

// The prefix word a shifted key sets, or nullptr when the key sets none.
const char* PrefixOfShiftedKey(std::uint32_t key) {
    switch (key) {
        case keys::kSeven: return "FIX";
        case keys::kEight: return "SCI";
        case keys::kNine: return "ENG";
        case keys::kAbout: return kHyp;
        case keys::kZero: return "STO";
        case keys::kPoint: return "RCL";
        default: return nullptr;
    }
}

}  // namespace

void CTabrixDoc::ExecuteKey() {
    const std::uint32_t key = m_nKey;

    if (m_bShift) {
        if (const char* word = PrefixOfShiftedKey(key)) {
            m_bShift = false;
            m_strPrefix = word;
            UpdateDisplay();
            return;
        }
    }

    const bool hyp = m_strPrefix == kHyp;
    // Commit the entry, replace X by f(X) and enable stack lift.
    auto oneOperand = [this](auto f) {
        CommitEntry();
        m_dX = f(m_dX);
        m_bLift = true;
    };
    // Commit the entry, X = f(Y, X), then drop the stack (which enables lift).
    auto twoOperand = [this](auto f) {
        CommitEntry();
        m_dX = f(m_dY, m_dX);
        DropStack();
    };

    if (!m_bShift) {
        const int digit = DigitOfKey(key);
        if (digit >= 0) {
            OnDigit(digit);
        } else {
            switch (key) {
                case keys::kExp: oneOperand([](double x) { return std::exp(x); }); break;
                case keys::kAlog: oneOperand([](double x) { return std::pow(10.0, x); }); break;
                case keys::kSin:
                    oneOperand([&](double x) { return hyp ? std::sinh(x) : std::sin(ToRadians(x)); });
                    break;
                case keys::kCos:
                    oneOperand([&](double x) { return hyp ? std::cosh(x) : std::cos(ToRadians(x)); });
                    break;
                case keys::kTan:
                    oneOperand([&](double x) { return hyp ? std::tanh(x) : std::tan(ToRadians(x)); });
                    break;
                case keys::kInverse: oneOperand([](double x) { return 1 / x; }); break;
                case keys::kSqrt: oneOperand([](double x) { return std::sqrt(x); }); break;
                case keys::kEex:
                    if (m_bEntering) EntryExponent();
                    break;
                case keys::kDivide: twoOperand([](double y, double x) { return y / x; }); break;
                case keys::kSwap:
                    CommitEntry();
                    std::swap(m_dX, m_dY);
                    break;
                case keys::kChs:
                    if (m_bEntering) {
                        EntryChangeSign();
                    } else {
                        m_dX = -m_dX;
                    }
                    break;
                case keys::kMultiply: twoOperand([](double y, double x) { return y * x; }); break;
                case keys::kAbout: ShowAbout(); break;
                case keys::kEnter:
                    CommitEntry();
                    LiftStack();
                    m_bEntering = false;
                    m_bLift = false;
                    break;
                case keys::kMinus: twoOperand([](double y, double x) { return y - x; }); break;
                case keys::kPoint: EntryPoint(); break;
                case keys::kBackspace:
                    if (m_bEntering) {
                        EntryBackspace();
                    } else {
                        ClearX();
                    }
                    break;
                case keys::kPlus: twoOperand([](double y, double x) { return y + x; }); break;
                default: break;  // F (the epilogue toggles it), code 26, codes outside 1..30
            }
        }
    } else {
        switch (key) {
            case keys::kExp: oneOperand([](double x) { return std::log(x); }); break;
            case keys::kAlog: oneOperand([](double x) { return std::log10(x); }); break;
            case keys::kSin:
                oneOperand([&](double x) { return hyp ? ArcSinh(x) : FromRadians(std::asin(x)); });
                break;
            case keys::kCos:
                oneOperand([&](double x) { return hyp ? ArcCosh(x) : FromRadians(std::acos(x)); });
                break;
            case keys::kTan:
                oneOperand([&](double x) { return hyp ? ArcTanh(x) : FromRadians(std::atan(x)); });
                break;
            case keys::kInverse: twoOperand([](double y, double x) { return std::pow(y, x); }); break;
            case keys::kSqrt: oneOperand([](double x) { return x * x; }); break;
            case keys::kEex:
                // While typing, F EEX still starts the exponent; pi needs a committed X.
                if (m_bEntering) {
                    EntryExponent();
                } else {
                    m_dX = kPiConstant;
                }
                break;
            case keys::kDivide:
                CommitEntry();
                m_dX = (m_dY * m_dX) * 0.01;
                break;
            case keys::kSwap: {  // roll down
                CommitEntry();
                const double oldX = m_dX;
                m_dX = m_dY;
                m_dY = m_dZ;
                m_dZ = m_dT;
                m_dT = oldX;
                break;
            }
            case keys::kChs: {  // roll up
                CommitEntry();
                const double oldX = m_dX, oldY = m_dY, oldZ = m_dZ;
                m_dX = m_dT;
                m_dY = oldX;
                m_dZ = oldY;
                m_dT = oldZ;
                break;
            }
            case keys::kFour: m_strAngle = "DEG"; break;
            case keys::kFive: m_strAngle = "RAD"; break;
            case keys::kSix: m_strAngle = "GRD"; break;
            case keys::kMultiply: oneOperand([this](double x) { return Factorial(x); }); break;
            case keys::kEnter: RandomNumber(); break;
            case keys::kOne: RectangularToPolar(); break;
            case keys::kTwo: PolarToRectangular(); break;
            case keys::kThree: oneOperand([](double x) { return (180 / kPiConstant) * x; }); break;
            case keys::kMinus: oneOperand([](double x) { return (x * kPiConstant) * kOne180th; }); break;
            case keys::kBackspace: ClearX(); break;
            case keys::kPlus: ClearAll(); break;
            default: break;  // F, code 26, codes outside 1..30
        }
    }

    // Epilogue: F toggles the shift and keeps only a HYP prefix; every other key
    // ends the shift and the prefix.
    if (key == keys::kShift) {
        m_bShift = !m_bShift;
        if (m_strPrefix != kHyp) m_strPrefix.clear();
    } else {
        m_bShift = false;
        m_strPrefix.clear();
    }
    UpdateDisplay();
}

void CTabrixDoc::OnDigit(int nDigit) {
    if (nDigit < 0 || nDigit > 9) return;
    if (m_strPrefix == "FIX" || m_strPrefix == "SCI" || m_strPrefix == "ENG") {
        m_strFormat = m_strPrefix;
        m_nDigits = nDigit;
    } else if (m_strPrefix == "STO") {
        StoreRegister(nDigit);
    } else if (m_strPrefix == "RCL") {
        RecallRegister(nDigit);
    } else {
        AppendDigit(nDigit);
    }
}

void CTabrixDoc::ShowAbout() {
    if (m_pShell != nullptr) m_pShell->RequestAbout();
}

}  // namespace tabrix
