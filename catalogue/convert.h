#pragma once

#include <optional>

class CCatalogue;

// Converts value from unit `from` to unit `to` of category `category`. No result when the
// category or either unit index is out of range. Between two different units of the
// Temperature category the fixed offset formulas apply, each evaluated strictly left to right;
// every other conversion is one multiplication by the factor-table cell.
std::optional<double> ConvertValue(const CCatalogue& catalogue, int category, int from, int to,
                                   double value);
