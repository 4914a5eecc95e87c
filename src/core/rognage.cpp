#include "core/rognage.h"

namespace talvex {

QString rogner(const QString& texte)
{
    const auto blanc = [](QChar c) {
        return c.unicode() <= 32;
    };
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && blanc(texte.at(debut)))
        ++debut;
    while (fin > debut && blanc(texte.at(fin - 1)))
        --fin;
    return texte.mid(debut, fin - debut);
}

} // namespace talvex
