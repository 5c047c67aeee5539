#pragma once

#include <string>

// How the custom view factory turns attribute texts into values. Every reading
// accepts any text: what cannot be read becomes 0 (or off), never an error.
namespace VSTGUI::AttributeReading
{
struct Pair
{
    long a = 0;
    long b = 0;
};

// Base-10 integer as `strtol` reads it: leading blanks, an optional sign, digits
// up to the first other character; 0 when there are none.
long readLong(const std::string& text);

// `atoi`: the same reading, kept within the range of an int.
int readInt(const std::string& text);

// `strtod` / `atof`: the leading decimal number, 0 when there is none.
double readReal(const std::string& text);

// "a, b": the integer at the start and the integer after the first comma.
// Fractions are cut off. Text without a comma gives (0, 0).
Pair readPair(const std::string& text);

// On only for the exact text "true".
bool readFlag(const std::string& text);
} // namespace VSTGUI::AttributeReading
