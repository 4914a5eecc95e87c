#include "core/plagescodes.h"

namespace talvex {

std::optional<std::vector<PlageCodes>> plagesDuPrefixe(const QString& texte, qint64 maximum)
{
    if (texte.isEmpty() || texte.front() == QLatin1Char('0'))
        return std::nullopt;
    for (const QChar c : texte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool nombre = false;
    const qint64 prefixe = texte.toLongLong(&nombre);
    std::vector<PlageCodes> plages;
    if (!nombre || prefixe > maximum)
        return plages; // longer than any code
    for (qint64 puissance = 1; prefixe <= maximum / puissance; puissance *= 10) {
        const qint64 debut = prefixe * puissance;
        plages.push_back({debut, debut > maximum - (puissance - 1) ? maximum : debut + (puissance - 1)});
        if (puissance > maximum / 10)
            break;
    }
    return plages;
}

} // namespace talvex
