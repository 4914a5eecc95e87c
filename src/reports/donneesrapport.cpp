#include "reports/donneesrapport.h"

#include <QRegularExpression>
#include <QSqlRecord>

namespace talvex::rapports {

namespace {

QStringList nomsDeColonnes(const QSqlRecord& enregistrement)
{
    // SQLite names a column met twice inside a parenthesised join "nom:1": the name is "nom".
    static const QRegularExpression suffixeSqlite(QStringLiteral(":\\d+$"));
    QStringList noms;
    for (int i = 0; i < enregistrement.count(); ++i) {
        const QString nom = enregistrement.fieldName(i).toLower().remove(suffixeSqlite);
        QString unique = nom;
        for (int n = 1; noms.contains(unique); ++n)
            unique = nom + QLatin1Char('_') + QString::number(n);
        noms << unique;
    }
    return noms;
}

JeuDonnees remplirJeu(const DefinitionRapport& rapport,
                      const DefinitionDonnees& definition,
                      const QVariantHash& valeurs,
                      TDataModule_TALVEX& module)
{
    QVariantList liees;
    for (const QString& nom : definition.valeurs) {
        if (!valeurs.contains(nom))
            throw ERapport(QStringLiteral("Le rapport « %1 » attend la valeur « %2 » pour « %3 ».")
                               .arg(rapport.nom, nom, definition.nom));
        liees << valeurs.value(nom);
    }
    JeuDonnees jeu;
    module.lecturePartagee(definition.sql, liees, [&jeu](const QSqlQuery& q) {
        const QSqlRecord enregistrement = q.record();
        if (jeu.colonnes.isEmpty())
            jeu.colonnes = nomsDeColonnes(enregistrement);
        QVariantList ligne;
        ligne.reserve(enregistrement.count());
        for (int i = 0; i < enregistrement.count(); ++i)
            ligne << enregistrement.value(i);
        jeu.lignes << ligne;
    });
    return jeu;
}

} // namespace

qsizetype JeuDonnees::colonne(const QString& nom) const
{
    return colonnes.indexOf(nom.toLower());
}

Donnees remplirDonnees(const DefinitionRapport& rapport, const QVariantHash& valeurs, TDataModule_TALVEX& module)
{
    Donnees donnees;
    for (const DefinitionDonnees& definition : rapport.donnees)
        donnees.insert(definition.nom, remplirJeu(rapport, definition, valeurs, module));
    return donnees;
}

} // namespace talvex::rapports
