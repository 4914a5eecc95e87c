#pragma once

#include <QString>

namespace talvex {

// Raises EInOutError for a failed operation on a file: the system's error code (errno)
// and a French text naming the file.
[[noreturn]] void leverErreurFichier(const QString& fichier, int code);

} // namespace talvex
