#pragma once

#include <QChar>
#include <QString>

#include <optional>

// How the counter shows and reads amounts of FCFA: whole units in the cart, grouped
// thousands in totals, the general number form in the payment fields.
namespace talvex {

// A sale price as the cart uses it: rounded to a whole number, halves away from zero
// (1250.5 gives 1251, -2.5 gives -3).
double arrondirPrix(double prix);

// The mask "#": the value rounded to a whole number, without separators; nothing for zero.
QString texteEntier(double valeur);

// The mask "#,": the same, with `separateur` between groups of three digits
// (12500 with a blank gives "12 500"); nothing for zero.
QString texteGroupe(double valeur, QChar separateur);

// The running total of a sale: "12.500FCFA " for 12500, "FCFA " for zero.
QString texteTotalVente(double total);

// The general number form: up to 15 significant digits, no grouping, the decimal separator
// of the program's locale.
QString texteGeneral(double valeur);

// An amount typed by the seller: digits with at most one decimal separator ("," or "."),
// blanks between groups allowed, an optional leading minus sign. An empty text is 0;
// anything else that does not read gives none.
std::optional<double> lireMontant(const QString& texte);

// The same, raising EConvertError with a French message when the text does not read.
double montantSaisi(const QString& texte);

} // namespace talvex
