#pragma once

#include "core/datamodule.h"

#include <QString>
#include <QVariantList>

namespace talvex::test {

// A few articles of a small shop, written straight into the fresh test database.
struct ArticleDeTest
{
    qint64 code;
    QString nom;
    QString description;
    double prix;
    qint32 stock;
};

inline void ajouterArticles(TDataModule_TALVEX& module, const QList<ArticleDeTest>& articles)
{
    Transaction transaction(module);
    for (const ArticleDeTest& a : articles) {
        module.executer("INSERT INTO tb_article (codearticle, nom, description, prixachatuniataire, "
                        "prixventeunitaire, categorie, cantstock, cantstockmin) VALUES (?, ?, ?, ?, ?, 1, ?, 0)",
                        {a.code, a.nom, a.description, a.prix / 2, a.prix, a.stock});
    }
    transaction.valider();
}

// The shop of most tests: prices that round up and down, one short stock.
inline void boutiqueDeTest(TDataModule_TALVEX& module)
{
    ajouterArticles(module,
                    {{61, "Savon", "Savon de Marseille 300 g", 1250.60, 10},
                     {62, "Lait", "Lait concentré sucré", 5000, 3},
                     {63, "Riz", "Riz parfumé 5 kg", 2500.40, 100},
                     {640, "Sardines", "Sardines à l'huile", 750, 20},
                     {6111000000017, "Eau minérale", "Eau minérale 1,5 l", 300, 48}});
}

// A whole number read from the database (0 for none).
inline qint64 nombre(TDataModule_TALVEX& module, const QString& sql, const QVariantList& valeurs = {})
{
    return colonne::entier(module.valeurUnique(sql, valeurs));
}

inline qint64 stock(TDataModule_TALVEX& module, qint64 code)
{
    return nombre(module, "SELECT cantstock FROM tb_article WHERE codearticle=?", {code});
}

} // namespace talvex::test
