#include "core/montants.h"

#include "core/errors.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace talvex {

namespace {

// The digits of a value rounded to a whole number, with its sign; empty for zero.
QString chiffres(double valeur)
{
    const double arrondi = std::round(valeur);
    if (arrondi == 0 || !std::isfinite(arrondi))
        return {};
    return QString::number(arrondi, 'f', 0);
}

} // namespace

double arrondirPrix(double prix)
{
    return std::isfinite(prix) ? std::round(prix) : 0.0;
}

QString texteEntier(double valeur)
{
    return chiffres(valeur);
}

QString texteGroupe(double valeur, QChar separateur)
{
    QString texte = chiffres(valeur);
    const int debut = texte.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (int i = texte.size() - 3; i > debut; i -= 3)
        texte.insert(i, separateur);
    return texte;
}

QString texteTotalVente(double total)
{
    return texteGroupe(total, QLatin1Char('.')) + QStringLiteral("FCFA ");
}

QString texteGeneral(double valeur)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valeur, 'g', 15);
}

std::optional<double> lireMontant(const QString& texte)
{
    static const QRegularExpression BLANCS(QStringLiteral("[\\s\\x{00A0}\\x{202F}]"));
    static const QRegularExpression FORME(QStringLiteral("^-?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString t = texte;
    t.remove(BLANCS);
    if (t.isEmpty())
        return 0.0;
    if (!FORME.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double valeur = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

double montantSaisi(const QString& texte)
{
    const auto valeur = lireMontant(texte);
    if (!valeur)
        throw EConvertError(
            QStringLiteral("« %1 » n'est pas un montant valide : tapez le montant en chiffres.").arg(texte.trimmed()));
    return *valeur;
}

} // namespace talvex
