#pragma once

#include <QByteArray>
#include <QString>

namespace talvex {

// The Western European single-byte character set of the shop's files and digests.
// Characters it cannot hold become the substitute byte 0x1A.
QByteArray versWindows1252(const QString& texte);
QString depuisWindows1252(const QByteArray& octets);

} // namespace talvex
