#include "core/recherchearticles.h"

#include "core/datamodule.h"
#include "core/montants.h"
#include "core/plagescodes.h"

#include <QScopedValueRollback>
#include <QSqlQuery>

#include <limits>

namespace talvex {

namespace {

const QString COLONNES
    = QStringLiteral("SELECT codearticle, nom, description, prixventeunitaire, cantstock FROM tb_article WHERE ");

// The LIKE pattern of the searched text; '%' and '_' typed by the user stay wildcards and
// a backslash stays an ordinary character on both engines.
QString motif(const TDataModule_TALVEX& module, const QString& texteSaisi, int mode)
{
    const QString texte = module.texteLike(texteSaisi);
    return mode == 2 ? QLatin1Char('%') + texte + QLatin1Char('%') : texte + QLatin1Char('%');
}

// "... WHERE (<field> LIKE ?) [AND <from the mark on>] ORDER BY [<field>,] codearticle
// LIMIT ? OFFSET ?": text fields ordered by code points with empty values first, on both
// engines. The mark is a sort key (text, code) where the reading starts: "text >= ?" lets
// the engine seek there on the field's index.
QString requeteMotif(const TDataModule_TALVEX& module, int champ, bool depuisRepere)
{
    if (champ == 2)
        return COLONNES + QLatin1Char('(') + module.likeNombre(QStringLiteral("codearticle"))
            + (depuisRepere ? QStringLiteral(") AND codearticle>=?") : QStringLiteral(")"))
            + QStringLiteral(" ORDER BY codearticle LIMIT ? OFFSET ?");
    const QString colonne = champ == 1 ? QStringLiteral("nom") : QStringLiteral("description");
    const QString triee
        = colonne + (module.moteur() == Moteur::PostgreSQL ? QStringLiteral(" COLLATE \"C\"") : QString());
    QString sql = COLONNES + QLatin1Char('(') + module.like(colonne) + QLatin1Char(')');
    if (depuisRepere)
        sql += QStringLiteral(" AND %1>=? AND (%1>? OR codearticle>=?)").arg(triee);
    return sql + QStringLiteral(" ORDER BY ") + triee + QStringLiteral(" NULLS FIRST, codearticle LIMIT ? OFFSET ?");
}

bool sansJoker(const QString& texte)
{
    return !texte.contains(QLatin1Char('%')) && !texte.contains(QLatin1Char('_')) && !texte.contains(QLatin1Char('\\'));
}

// Searches of one picker session remembered for their first article.
constexpr std::size_t REPERES_GARDES = 64;

} // namespace

TModeleArticles::TModeleArticles(QObject* parent)
    : TModeleGrille({QStringLiteral("Code"),
                     QStringLiteral("Nom"),
                     QStringLiteral("Description"),
                     QStringLiteral("Prix Vente"),
                     QStringLiteral("Stock Act.")},
                    {Nom, Description},
                    parent)
{
}

int TModeleArticles::colonneDuChamp(int champ)
{
    switch (champ) {
    case 1:
        return Nom;
    case 3:
        return Description;
    default:
        return Code;
    }
}

TModeleArticles::Curseur TModeleArticles::curseur(int champ, int mode, const QString& texte, const Repere* depuis)
{
    Curseur c;
    c.complet = false;
    if (champ == 2 && mode == 1) {
        if (auto plages = plagesDuPrefixe(texte)) {
            c.tranches = std::move(*plages);
            return c;
        }
    }
    TDataModule_TALVEX& module = TDataModule_TALVEX::courant();
    c.sql = requeteMotif(module, champ, depuis != nullptr);
    c.valeurs = {motif(module, texte, mode)};
    if (depuis && champ != 2)
        c.valeurs << depuis->tri << depuis->tri;
    if (depuis)
        c.valeurs << depuis->code;
    return c;
}

const TModeleArticles::Repere* TModeleArticles::repereAvant(int champ, int mode, const QString& texte) const
{
    // Every article whose field holds the text (or begins with it) also holds (begins
    // with) any part of it (its beginning): their list starts at or after that part's first.
    if (!sansJoker(texte))
        return nullptr;
    const Repere* meilleur = nullptr;
    for (const Repere& r : m_reperes) {
        const bool inclus = mode == 1 ? texte.startsWith(r.texte) : texte.contains(r.texte);
        if (r.champ == champ && r.mode == mode && !r.texte.isEmpty() && sansJoker(r.texte) && inclus
            && (!meilleur || r.texte.size() > meilleur->texte.size()))
            meilleur = &r;
    }
    return meilleur;
}

void TModeleArticles::lire(const QString& sql, const QVariantList& valeurs, std::vector<Ligne>& page)
{
    TDataModule_TALVEX::courant().lecturePartagee(sql, valeurs, [&page](const QSqlQuery& q) {
        page.push_back({colonne::entier(q.value(0)),
                        colonne::texte(q.value(0)),
                        colonne::texte(q.value(1)),
                        colonne::texte(q.value(2)),
                        texteGeneral(colonne::reel(q.value(3))),
                        QString::number(colonne::entier(q.value(4)))});
    });
}

std::vector<TModeleArticles::Ligne> TModeleArticles::lirePage(Curseur& c, int taille)
{
    static const QString PAR_TRANCHE
        = COLONNES + QStringLiteral("codearticle BETWEEN ? AND ? ORDER BY codearticle LIMIT ?");
    std::vector<Ligne> page;
    page.reserve(static_cast<std::size_t>(taille));
    if (!c.sql.isEmpty()) {
        lire(c.sql, QVariantList(c.valeurs) << taille << c.lues, page);
        c.complet = static_cast<int>(page.size()) < taille;
    } else {
        while (static_cast<int>(page.size()) < taille && c.tranche < c.tranches.size()) {
            const Tranche& t = c.tranches[c.tranche];
            if (c.dernier && *c.dernier >= t.fin) {
                ++c.tranche;
                continue;
            }
            const qint64 debut = c.dernier && *c.dernier >= t.debut ? *c.dernier + 1 : t.debut;
            const int demandees = taille - static_cast<int>(page.size());
            const std::size_t avant = page.size();
            lire(PAR_TRANCHE, {debut, t.fin, demandees}, page);
            if (page.size() > avant)
                c.dernier = page.back().numero;
            if (static_cast<int>(page.size() - avant) < demandees)
                ++c.tranche;
        }
        c.complet = c.tranche >= c.tranches.size();
    }
    c.lues += static_cast<int>(page.size());
    return page;
}

bool TModeleArticles::lister(int champ, int mode, const QString& texte)
{
    if (champ < 1 || champ > 3 || mode < 1 || mode > 2)
        return false;
    Curseur nouveau = curseur(champ, mode, texte, repereAvant(champ, mode, texte));
    std::vector<Ligne> premiere = lirePage(nouveau, PREMIERE_PAGE);
    if (premiere.empty())
        return false;
    if (m_reperes.size() == REPERES_GARDES)
        m_reperes.erase(m_reperes.begin());
    const Ligne& tete = premiere.front();
    m_reperes.push_back({champ, mode, texte, champ == 1 ? tete.nom : tete.description, tete.numero});
    const QScopedValueRollback changement(m_enChangement, true);
    beginResetModel();
    m_curseur = std::move(nouveau);
    m_lignes = std::move(premiere);
    endResetModel();
    return true;
}

void TModeleArticles::vider()
{
    const QScopedValueRollback changement(m_enChangement, true);
    beginResetModel();
    m_lignes.clear();
    m_curseur = {};
    // A new session: the catalogue may have changed since the searches remembered.
    m_reperes.clear();
    endResetModel();
}

bool TModeleArticles::canFetchMore(const QModelIndex& parent) const
{
    // No page is read while a change is under way: a listener that asks for more then
    // would nest a second change inside the first one.
    return !parent.isValid() && !m_curseur.complet && !m_enChangement;
}

void TModeleArticles::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    std::vector<Ligne> page = lirePage(m_curseur, TAILLE_PAGE);
    if (page.empty())
        return;
    const int debut = rowCount();
    const QScopedValueRollback changement(m_enChangement, true);
    beginInsertRows({}, debut, debut + static_cast<int>(page.size()) - 1);
    m_lignes.insert(m_lignes.end(), std::make_move_iterator(page.begin()), std::make_move_iterator(page.end()));
    endInsertRows();
}

QString TModeleArticles::texte(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= rowCount())
        return {};
    const Ligne& l = m_lignes[static_cast<std::size_t>(ligne)];
    switch (colonne) {
    case Code:
        return l.code;
    case Nom:
        return l.nom;
    case Description:
        return l.description;
    case PrixVente:
        return l.prix;
    case Stock:
        return l.stock;
    default:
        return {};
    }
}

} // namespace talvex
