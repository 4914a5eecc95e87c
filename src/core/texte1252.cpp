#include "core/texte1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace talvex {

QByteArray versWindows1252(const QString& texte)
{
    QStringEncoder encodeur("windows-1252", QStringConverter::Flag::Default);
    QByteArray octets = encodeur.encode(texte);
    return octets;
}

QString depuisWindows1252(const QByteArray& octets)
{
    QStringDecoder decodeur("windows-1252");
    return decodeur.decode(octets);
}

} // namespace talvex
