#pragma once

// Small fixtures shared by the data-access tests: rows written straight into the tables,
// counts read back, hostile texts, and a statement made to fail on demand.

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "support/basedetest.h"

#include <QSqlRecord>
#include <QStringList>
#include <QTest>

namespace talvex::test {

inline qint64 compter(TDataModule_TALVEX& m, const QString& sql, const QVariantList& valeurs = {})
{
    return colonne::entier(m.valeurUnique(sql, valeurs));
}

inline QStringList lireTextes(TDataModule_TALVEX& m, const QString& sql, const QVariantList& valeurs = {})
{
    QStringList textes;
    m.lecturePartagee(sql, valeurs, [&textes](const QSqlQuery& q) { textes << colonne::texte(q.value(0)); });
    return textes;
}

// Each row as its columns' texts joined by ':', dates as "yyyy-MM-dd HH:mm:ss" on both engines.
inline QStringList lignes(TDataModule_TALVEX& m, const QString& sql, const QVariantList& valeurs = {})
{
    QStringList resultat;
    m.lecturePartagee(sql, valeurs, [&resultat](const QSqlQuery& q) {
        QStringList colonnes;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            colonnes << (v.typeId() == QMetaType::QDateTime ? colonne::date(v).toString("yyyy-MM-dd HH:mm:ss")
                                                            : colonne::texte(v));
        }
        resultat << colonnes.join(':');
    });
    return resultat;
}

inline void creerArticle(TDataModule_TALVEX& m,
                         qint64 code,
                         const QString& nom,
                         qint32 stock = 0,
                         const QString& description = QString(),
                         double prixVente = 1000)
{
    m.executer("INSERT INTO tb_article (codearticle, nom, description, prixachatuniataire, prixventeunitaire, "
               "categorie, cantstock, cantstockmin) VALUES (?, ?, ?, ?, ?, 1, ?, 0)",
               {code, nom, description, prixVente / 2, prixVente, stock});
}

inline qint64 stock(TDataModule_TALVEX& m, qint64 code)
{
    return compter(m, "SELECT cantstock FROM tb_article WHERE codearticle=?", {code});
}

// Codes of a list's records, in the list's order.
template<typename Liste, typename Champ>
QStringList codes(const Liste& liste, Champ champ)
{
    QStringList resultat;
    for (const auto& r : liste)
        resultat << QString((*r).*champ);
    return resultat;
}

// Texts a user may type anywhere: each must be stored and read back unchanged.
inline void textesHostiles()
{
    QTest::addColumn<QString>("texte");
    QTest::newRow("guillemets") << "L'\"ami\" d'O'Brien";
    QTest::newRow("jokers") << "50% _de_ remise";
    QTest::newRow("injection") << "x'); DELETE FROM tb_client; --";
    QTest::newRow("barres obliques") << "C:\\dossier\\n\\\\fin\\";
    QTest::newRow("lignes") << "rue 1\r\nquartier 2\nville\t3";
    QTest::newRow("non latin") << QString::fromUtf8("Ωμέγα Москва 東京 ﷺ 😀 Élodie");
    QTest::newRow("long") << QString(10000, QLatin1Char('x')) + "fin";
    QTest::newRow("espaces") << "  autour  ";
}

// The article that refuserArticle makes the engine refuse.
constexpr qint64 ARTICLE_REFUSE = 999;

// Makes every insert of article ARTICLE_REFUSE into `table` fail inside the engine, so
// that a multi-statement write stops half-way.
inline void refuserArticle(TDataModule_TALVEX& m, const QString& table)
{
    if (m.moteur() == Moteur::SQLite) {
        m.executerDirect(QString("CREATE TRIGGER refus_%1 BEFORE INSERT ON %1 WHEN NEW.codearticle = 999 "
                                 "BEGIN SELECT RAISE(ABORT, 'article refusé'); END")
                             .arg(table));
    } else {
        m.executerDirect(QString("ALTER TABLE %1 ADD CONSTRAINT refus_%1 CHECK (codearticle <> 999)").arg(table));
    }
}

// Makes every delete on `table` fail inside the engine.
inline void refuserSuppression(TDataModule_TALVEX& m, const QString& table)
{
    if (m.moteur() == Moteur::SQLite) {
        m.executerDirect(
            QString("CREATE TRIGGER refus_%1 BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'refusé'); END").arg(table));
    } else {
        m.executerDirect("CREATE OR REPLACE FUNCTION refus() RETURNS trigger LANGUAGE plpgsql AS "
                         "$$BEGIN RAISE EXCEPTION 'refusé'; END$$");
        m.executerDirect(
            QString("CREATE TRIGGER refus_%1 BEFORE DELETE ON %1 FOR EACH ROW EXECUTE FUNCTION refus()").arg(table));
    }
}

} // namespace talvex::test
