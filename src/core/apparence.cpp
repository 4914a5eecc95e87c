#include "core/apparence.h"

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/errors.h"
#include "core/rognage.h"

namespace talvex {

namespace {
int entier(const QString& valeur, const QString& libelle)
{
    bool ok = false;
    const int n = rogner(valeur).toInt(&ok);
    if (!ok) {
        throw EConvertError(QStringLiteral("%1 enregistrée pour l'apparence (« %2 ») n'est pas un nombre entier.")
                                .arg(libelle, valeur));
    }
    return n;
}
} // namespace

TeinteEnregistree lireTeinte(const TConfig_usr& configuration)
{
    return {entier(configuration.droit1, QStringLiteral("La saturation")),
            entier(configuration.droit2, QStringLiteral("La teinte"))};
}

bool enregistrerApparence(const TAccesDonneesuite& acces, const TConfig_usr& configuration)
{
    if (acces.getConfiguration(configuration.codeutil))
        return acces.modifierConfiguration(configuration);
    // A new row takes the skin name only: the tint follows in the same transaction.
    Transaction transaction;
    const bool ecrit = acces.insererConfiguration(configuration) && acces.modifierConfiguration(configuration);
    transaction.valider();
    return ecrit;
}

} // namespace talvex
