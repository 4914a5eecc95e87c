#pragma once

#include "core/errors.h"
#include "core/grilles.h"
#include "core/records.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

namespace talvex {

class TDataModule_TALVEX;

// One line of the cart: a quantity of an article at its rounded sale price.
struct LignePanier
{
    qint32 quantite = 1;
    QString codearticle;
    QString nom;
    QString description;
    // The article's sale price rounded to a whole number: what the sale counts.
    double prixUnitaire = 0;

    double sousTotal() const { return quantite * prixUnitaire; }
};

// The cart of the sale window: its lines, then one empty row where the next line goes.
// Columns: "Quant.", "Code", "Nom", "Description", "Prix Un.", "Total". Nothing here
// touches a widget or the database.
class TPanier : public TModeleGrille
{
    Q_OBJECT

public:
    enum Colonne { Quantite, Code, Nom, Description, PrixUnitaire, Total, NombreColonnes };

    explicit TPanier(QObject* parent = nullptr);

    QString texte(int ligne, int colonne) const override;

    int nombreLignes() const { return static_cast<int>(m_lignes.size()); }
    bool estVide() const { return m_lignes.empty(); }
    // Whether the row holds a line (the empty last row does not).
    bool estLigne(int ligne) const { return ligne >= 0 && ligne < nombreLignes(); }
    const LignePanier& ligne(int ligne) const { return m_lignes.at(static_cast<std::size_t>(ligne)); }

    // The row of the line holding that article: the same code text (trimmed, letter case
    // ignored) or the same number (a scanned "0061" is the article stored as 61). -1 when none.
    int chercher(const QString& code) const;
    // Appends a line of one unit of the article; returns its row.
    int ajouter(const TArticle& article);
    // One more unit on the line (EConvertError beyond the largest quantity).
    void augmenter(int ligne);
    // A new quantity (>= 1) for the line.
    void changerQuantite(int ligne, qint32 quantite);
    void supprimer(int ligne);
    void vider();

    // Sum of quantity x rounded unit price over the lines.
    double total() const;

    // The pending sale of this cart: number (EConvertError when the text is not a whole
    // number), date, seller, client "1", the lines and their amount.
    std::unique_ptr<TVente>
    preparerVente(const QString& numero, const QDate& date, const QString& codeUtilisateur) const;

protected:
    int nombreRangees() const override { return nombreLignes() + 1; }

private:
    void ligneChangee(int ligne);

    std::vector<LignePanier> m_lignes;
};

// The stock alert for a line: empty when the article has at least `quantite` in stock;
// otherwise "Le stock disponible de <nom>(<stock>) est inferieur à cette demande". An
// article no longer in the catalogue (null) is said so.
QString texteAlerteStock(const TArticle* article, const QString& code, qint32 quantite);

// A line of the sale names an article that is no longer in the catalogue.
class EArticleAbsent : public Erreur
{
public:
    using Erreur::Erreur;
};

// Writes a sale with its lines and stock decreases as one whole: under the numbering lock
// it takes the next free number (returned, and set in the sale and its lines). A line
// whose article is no longer in the catalogue stops it with EArticleAbsent, and nothing
// of the sale is written; so does any error of the database.
qint64 enregistrerVenteComptoir(TDataModule_TALVEX& module, TVente& vente);

} // namespace talvex
