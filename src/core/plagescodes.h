#pragma once

#include <QString>

#include <limits>
#include <optional>
#include <vector>

namespace talvex {

// Codes from `debut` to `fin`, both included.
struct PlageCodes
{
    qint64 debut;
    qint64 fin;
};

// Whole numbers whose decimal text begins with the digits P (no leading zero) are exactly
// those of the ranges [P·10^k, (P+1)·10^k − 1], k = 0, 1, ..., which follow each other in
// ascending order: a "begins with" search on a numeric key reads them on the key's index
// instead of turning every key into text. None when the text is not such a prefix (empty,
// a leading zero, another character or a wildcard); no range when P exceeds `maximum`.
std::optional<std::vector<PlageCodes>> plagesDuPrefixe(const QString& texte,
                                                       qint64 maximum = std::numeric_limits<qint64>::max());

} // namespace talvex
