#include "core/records.h"

namespace talvex {

void TVente::calculerMontant()
{
    for (const auto& ligne : lignes)
        montant += static_cast<double>(ligne->cantart) * ligne->prixventeunitaire;
}

void TApprovisionnment::calculerMontant()
{
    for (const auto& ligne : lignes)
        moutantapprov += static_cast<double>(ligne->cantapprov) * ligne->prixachatunitaire;
}

} // namespace talvex
