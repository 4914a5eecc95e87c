#include "core/empreinte.h"

#include "core/texte1252.h"

#include <QCryptographicHash>

namespace talvex {

QString empreinteMD5(const QString& motDePasse)
{
    return QString::fromLatin1(QCryptographicHash::hash(versWindows1252(motDePasse), QCryptographicHash::Md5).toHex());
}

} // namespace talvex
