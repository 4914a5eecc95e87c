#pragma once

#include <QString>

namespace talvex {

// MD5 digest of the password's Windows-1252 bytes, as 32 lower-case hexadecimal digits.
QString empreinteMD5(const QString& motDePasse);

// The password a new user starts with, and the first shop manager's.
inline const QString MOT_DE_PASSE_PAR_DEFAUT = QStringLiteral("60817");

} // namespace talvex
