#pragma once

#include "core/datamodule.h"
#include "reports/projetrapports.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

namespace talvex::rapports {

// The rows a data set's statement returned. Column names are those of the result in lower
// case (engines differ in the case of aliases); a name met again gets _1, _2 ... in result
// order, so that `SELECT tb_article.nom, ..., tb_client.*` gives "nom" then "nom_1".
struct JeuDonnees
{
    QStringList colonnes;
    QList<QVariantList> lignes;

    // Position of a column (any case), -1 when there is none.
    qsizetype colonne(const QString& nom) const;
};

// Data sets by connection name.
using Donnees = QHash<QString, JeuDonnees>;

// Runs each data set's statement through the data module's read protocol with its values
// bound, taken by name from `valeurs`. Throws ERapport when a value is not given, and the
// data module's error when a statement fails.
Donnees remplirDonnees(const DefinitionRapport& rapport, const QVariantHash& valeurs, TDataModule_TALVEX& module);

} // namespace talvex::rapports
