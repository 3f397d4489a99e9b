// Why a statistics function gave no answer, in words. Apart from the
// results, which need Boost's numbers: the translators' tool reads this file.
#include "engine/statistics.h"

// Marks a text for the desktop program's translators, whose tool reads this
// name; the engine itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace tabrix {

using Error = StatisticsError;

const char* StatisticsErrorText(StatisticsError error) {
    switch (error) {
        case Error::None: return "";
        case Error::NoPoints: return QT_TRANSLATE_NOOP("Statistics", "There are no points yet (Σ+ adds them).");
        case Error::OnePoint: return QT_TRANSLATE_NOOP("Statistics", "One point is not enough: it needs two at least.");
        case Error::EveryXEqual: return QT_TRANSLATE_NOOP("Statistics", "Every x is equal, so no line fits.");
        case Error::EveryYEqual: return QT_TRANSLATE_NOOP("Statistics", "Every y is equal, so r is undefined.");
        case Error::FlatLine: return QT_TRANSLATE_NOOP("Statistics", "The slope is 0, so no x gives that y.");
        case Error::ZeroWeight: return QT_TRANSLATE_NOOP("Statistics", "The weights add up to 0 (Σy = 0).");
        case Error::Inconsistent:
            return QT_TRANSLATE_NOOP("Statistics", "The points are inconsistent: Σ− removed a point that was never added.");
        case Error::OutOfRange: return QT_TRANSLATE_NOOP("Statistics", "The result is beyond the calculator's range.");
        case Error::NotFinite: return QT_TRANSLATE_NOOP("Statistics", "The point is not a finite number.");
        case Error::NothingToRemove: return QT_TRANSLATE_NOOP("Statistics", "There are no points to remove.");
        case Error::DivisionByZero: return QT_TRANSLATE_NOOP("Statistics", "A word cannot be divided by 0.");
    }
    return "";
}

}  // namespace tabrix
