#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// Text models of the report layouts: "Facture N° {codevente}", "{montant|monnaie}".
// A mark is a name between braces, optionally followed by | and a format:
//   texte (the default)  the value as text, a whole number without decimals
//   entier               a whole number, grouped by thousands
//   montant              a whole amount grouped by thousands: "12 500"
//   monnaie              the same followed by the currency: "12 500 FCFA"
//   date                 dd/MM/yyyy
//   dateheure            dd/MM/yyyy HH:mm
//   majuscules           the text in capitals
namespace talvex::rapports {

// Amounts are whole FCFA; groups of thousands are separated by a no-break space so that
// an amount never splits across lines.
QString formaterMontant(double montant);
QString formaterMonnaie(double montant);

bool formatConnu(const QString& format);
QString formaterValeur(const QVariant& valeur, const QString& format);

// Throws ERapport when a mark is malformed or names an unknown format.
void verifierModele(const QString& modele);

// The value of a mark's name, or nullopt when the name means nothing where it is used.
using Resolveur = std::function<std::optional<QVariant>(const QString& nom)>;

// The model with every mark replaced by its formatted value (plain text, not HTML).
// Throws ERapport for a name the resolver does not know.
QString remplirModele(const QString& modele, const Resolveur& resoudre);

} // namespace talvex::rapports
