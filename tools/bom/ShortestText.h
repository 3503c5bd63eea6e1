#pragma once

// The shortest decimal text of a double that reads back as exactly that double, as
// std::to_chars writes it without a format (fixed or scientific, whichever is shorter).
// A report writes two such weights a row; for weights from 10^-2 to 2^53 kg the digits
// are found by exact integer arithmetic, which costs a fraction of the general routine.
namespace metalweight::bom {

// Room the writing needs: any double's text ("-2.2250738585072014e-308") is shorter, but
// the digits are copied in pieces of a fixed size that may reach past the text's end.
inline constexpr int kShortestTextRoom = 48;

// Writes the text of `value` at `at`, which has kShortestTextRoom bytes of room, and
// returns the end of the text. The bytes after the end may have been overwritten.
char* writeShortest(char* at, double value);

}  // namespace metalweight::bom
