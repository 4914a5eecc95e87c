#pragma once

#include <QString>

namespace talvex {

// The text without its leading and trailing characters of code 32 or below: the form in
// which typed values are stored, searched and digested.
QString rogner(const QString& texte);

} // namespace talvex
