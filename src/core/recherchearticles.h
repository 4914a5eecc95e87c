#pragma once

#include "core/plagescodes.h"

#include "core/grilles.h"

#include <QString>
#include <QVariantList>

#include <optional>
#include <vector>

namespace talvex {

// The article picker's result list, read from the catalogue a page at a time as the view
// scrolls, so that a catalogue of any size lists at once. It selects and orders as
// TAccesDonneesuite::chercherArticles does. Columns: "Code", "Nom", "Description",
// "Prix Vente", "Stock Act.".
class TModeleArticles : public TModeleGrille
{
    Q_OBJECT

public:
    enum Colonne { Code, Nom, Description, PrixVente, Stock, NombreColonnes };
    // Rows read by a listing (a few screens of the picker's grid), then by each page more.
    static constexpr int PREMIERE_PAGE = 50;
    static constexpr int TAILLE_PAGE = 200;

    explicit TModeleArticles(QObject* parent = nullptr);

    // Lists the articles whose field (champ 1 nom, 2 code, 3 description) begins with
    // (mode 1) or contains (mode 2) the text, on the program's data module. False, with
    // the list left as it was, when no article matches. Engine errors raise EErreurBase.
    bool lister(int champ, int mode, const QString& texte);
    // No rows until the next listing.
    void vider();
    // The column a search field shows up in.
    static int colonneDuChamp(int champ);

    // A cell's text ("" outside the rows read).
    QString texte(int ligne, int colonne) const override;

    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

protected:
    int nombreRangees() const override { return static_cast<int>(m_lignes.size()); }

private:
    struct Ligne
    {
        qint64 numero = 0;
        QString code;
        QString nom;
        QString description;
        QString prix;
        QString stock;
    };
    using Tranche = PlageCodes;
    // Where the reading of a listing stands. A code that begins with digits is read range
    // by range on the key (the codes of each length that begin with them); anything else
    // through its LIKE pattern, page after page.
    struct Curseur
    {
        QString sql;
        QVariantList valeurs;
        std::vector<Tranche> tranches;
        std::size_t tranche = 0;
        std::optional<qint64> dernier;
        int lues = 0;
        bool complet = true;
    };
    // The first article a search listed: its searched text and its code. A later search
    // whose articles can only be among those (more letters typed) starts its reading there.
    struct Repere
    {
        int champ;
        int mode;
        QString texte;
        QString tri;
        qint64 code;
    };
    const Repere* repereAvant(int champ, int mode, const QString& texte) const;
    static Curseur curseur(int champ, int mode, const QString& texte, const Repere* depuis);
    static std::vector<Ligne> lirePage(Curseur& curseur, int taille);
    static void lire(const QString& sql, const QVariantList& valeurs, std::vector<Ligne>& page);

    Curseur m_curseur;
    std::vector<Ligne> m_lignes;
    std::vector<Repere> m_reperes;
    bool m_enChangement = false;
};

} // namespace talvex
