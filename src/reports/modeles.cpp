#include "reports/modeles.h"

#include "core/datamodule.h"
#include "reports/projetrapports.h"

#include <QRegularExpression>

#include <cmath>

namespace talvex::rapports {

namespace {

constexpr QChar ESPACE_INSECABLE(0x00A0);

const QRegularExpression& expressionMarque()
{
    static const QRegularExpression e(QStringLiteral(R"(\{([^{}|]*)(?:\|([^{}]*))?\})"));
    return e;
}

QString grouper(qint64 nombre)
{
    const bool negatif = nombre < 0;
    QString chiffres = QString::number(negatif ? -nombre : nombre);
    for (qsizetype i = chiffres.size() - 3; i > 0; i -= 3)
        chiffres.insert(i, ESPACE_INSECABLE);
    return negatif ? QLatin1Char('-') + chiffres : chiffres;
}

qint64 arrondi(double valeur)
{
    return std::isfinite(valeur) ? std::llround(valeur) : 0;
}

} // namespace

QString formaterMontant(double montant)
{
    return grouper(arrondi(montant));
}

QString formaterMonnaie(double montant)
{
    return formaterMontant(montant) + ESPACE_INSECABLE + QStringLiteral("FCFA");
}

bool formatConnu(const QString& format)
{
    static const QStringList formats = {QStringLiteral("texte"),
                                        QStringLiteral("entier"),
                                        QStringLiteral("montant"),
                                        QStringLiteral("monnaie"),
                                        QStringLiteral("date"),
                                        QStringLiteral("dateheure"),
                                        QStringLiteral("majuscules")};
    return format.isEmpty() || formats.contains(format);
}

QString formaterValeur(const QVariant& valeur, const QString& format)
{
    if (valeur.isNull() || !valeur.isValid())
        return {};
    if (format == QLatin1String("entier"))
        return grouper(colonne::entier(valeur));
    if (format == QLatin1String("montant"))
        return formaterMontant(colonne::reel(valeur));
    if (format == QLatin1String("monnaie"))
        return formaterMonnaie(colonne::reel(valeur));
    if (format == QLatin1String("date"))
        return colonne::date(valeur).toString(QStringLiteral("dd/MM/yyyy"));
    if (format == QLatin1String("dateheure"))
        return colonne::date(valeur).toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    if (format == QLatin1String("majuscules"))
        return colonne::texte(valeur).toUpper();
    return colonne::texte(valeur);
}

void verifierModele(const QString& modele)
{
    auto it = expressionMarque().globalMatch(modele);
    while (it.hasNext()) {
        const auto marque = it.next();
        const QString nom = marque.captured(1).trimmed();
        const QString format = marque.captured(2).trimmed();
        if (nom.isEmpty())
            throw ERapport(QStringLiteral("Marque sans nom dans le texte « %1 ».").arg(modele));
        if (!formatConnu(format))
            throw ERapport(QStringLiteral("Format « %1 » inconnu dans le texte « %2 ».").arg(format, modele));
    }
}

QString remplirModele(const QString& modele, const Resolveur& resoudre)
{
    QString resultat;
    qsizetype suite = 0;
    auto it = expressionMarque().globalMatch(modele);
    while (it.hasNext()) {
        const auto marque = it.next();
        const QString nom = marque.captured(1).trimmed();
        const std::optional<QVariant> valeur = resoudre(nom);
        if (!valeur)
            throw ERapport(
                QStringLiteral("« %1 » n'est ni un paramètre ni un champ connu ici (texte « %2 »).").arg(nom, modele));
        resultat += modele.mid(suite, marque.capturedStart() - suite);
        resultat += formaterValeur(*valeur, marque.captured(2).trimmed());
        suite = marque.capturedEnd();
    }
    resultat += modele.mid(suite);
    return resultat;
}

} // namespace talvex::rapports
