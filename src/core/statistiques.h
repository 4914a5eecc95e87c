#pragma once

#include <QDate>
#include <QString>

namespace talvex {

class TDataModule_TALVEX;

// Cost, sales and profit of the sale lines of a period. The cost of a line is its quantity
// times the article's current purchase price; the sales, its quantity times the unit price
// recorded on the line; the profit, sales minus cost.
struct TotauxVentes
{
    double cout = 0;
    double ventes = 0;
    double benefice = 0;
    // False when the period has no sale line (the three figures are then 0).
    bool avecLignes = false;
};

// The sales whose day text (tb_vente.sdatevente, "yyyy/mm/dd") lies between the two texts,
// both included. The bounds are compared as text: "2010/02/29" is a valid last day of
// February whatever the year.
TotauxVentes totauxVentes(TDataModule_TALVEX& module, const QString& premierJour, const QString& dernierJour);

// The same from the first to the last date, both included; one day when they are equal.
TotauxVentes totauxVentes(TDataModule_TALVEX& module, const QDate& debut, const QDate& fin);

} // namespace talvex
