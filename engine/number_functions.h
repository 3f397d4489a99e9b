// Functions of numbers beyond the keys' own, each the double nearest to the
// exact answer for the doubles it is given (or a NaN where there is none):
// the catalogue's rows call them.
#pragma once

namespace tabrix {

// Y mod X with the sign of X (as floor division leaves it): 7 mod -3 = -2.
// NaN for X = 0 or an infinite Y.
double Modulo(double y, double x);

// X's part before the point and after it, both toward zero, both with X's
// sign: -2.75 gives -2 and -0.75.
double IntegerPart(double x);
double FractionalPart(double x);

// Combinations and permutations of n things taken k at a time, for whole
// n >= 0 and k >= 0 (0 when k > n); a NaN for anything else, an infinity
// beyond the doubles' range.
double Combinations(double n, double k);
double Permutations(double n, double k);

// Decimal hours to H.MMSSss (1.5 is 1.3000: one hour and thirty minutes) and
// back. Both read their argument to the microsecond, so that a value one
// unit in the last place short of a whole minute is that minute (1 + 1/60
// hours is 1.0100), and keep its sign.
double HoursToHms(double hours);
double HmsToHours(double hms);

}  // namespace tabrix
