#pragma once

#include <string>
#include <string_view>

// Numbers as the window shows and reads them. None of this depends on the user's
// locale: "." is always the decimal point and digits are never grouped.
namespace metalweight {

// The numeric value of a field's text: its leading number, 0 when the text does not
// begin with one (the empty text included).
//
// What counts as the leading number: blanks (space, tab, CR, LF) before it are
// skipped; then an optional "+" or "-", digits with at most one ".", and an optional
// exponent of "E" or "e", an optional sign and at least one digit. Reading stops at the
// first character that cannot continue the number, so a blank between digits ends it
// ("1 2" reads 1), a "D" exponent is not one ("1D2" reads 1), and there are no prefixes
// for other bases ("&H10" reads 0). Values beyond the double range read as ±infinity,
// values too small for it as ±0. The result is the double nearest to the decimal text.
// Time is linear in the length of the text.
double readLeadingNumber(std::string_view text);

// A weight in the pattern "0.0000": at least one digit before the point, exactly four
// after it. `weight` must be finite and not negative.
//
// Rounding: the weight is first taken to fifteen significant decimal digits, and that
// decimal is rounded to four places with halves going away from zero. A weight whose
// double lies a hair below a halfway point therefore rounds up, as its decimal form
// says: 0.00795·5·(2·75 − 5) is 5.763749999999999 as a double and shows 5.7638.
std::string formatWeight(double weight);

// The shortest decimal text of a preset value: "100", "4.5", "0.75".
std::string presetText(double value);

}  // namespace metalweight
