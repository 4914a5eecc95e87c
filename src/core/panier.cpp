#include "core/panier.h"

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/montants.h"

#include <limits>

namespace talvex {

namespace {

// Two codes name the same article: the same text, or the same whole number.
bool memeCode(const QString& a, const QString& b)
{
    const QString ta = a.trimmed();
    const QString tb = b.trimmed();
    if (ta.compare(tb, Qt::CaseInsensitive) == 0)
        return true;
    bool okA = false;
    bool okB = false;
    const qint64 na = ta.toLongLong(&okA);
    const qint64 nb = tb.toLongLong(&okB);
    return okA && okB && na == nb;
}

} // namespace

TPanier::TPanier(QObject* parent)
    : TModeleGrille({QStringLiteral("Quant."),
                     QStringLiteral("Code"),
                     QStringLiteral("Nom"),
                     QStringLiteral("Description"),
                     QStringLiteral("Prix Un."),
                     QStringLiteral("Total")},
                    {Nom, Description},
                    parent)
{
}

QString TPanier::texte(int ligne, int colonne) const
{
    if (!estLigne(ligne))
        return {};
    const LignePanier& l = this->ligne(ligne);
    switch (colonne) {
    case Quantite:
        return QString::number(l.quantite);
    case Code:
        return l.codearticle;
    case Nom:
        return l.nom;
    case Description:
        return l.description;
    case PrixUnitaire:
        return texteEntier(l.prixUnitaire);
    case Total:
        return texteGroupe(l.sousTotal(), QLatin1Char(' '));
    default:
        return {};
    }
}

int TPanier::chercher(const QString& code) const
{
    for (int i = 0; i < nombreLignes(); ++i) {
        if (memeCode(ligne(i).codearticle, code))
            return i;
    }
    return -1;
}

int TPanier::ajouter(const TArticle& article)
{
    const int rang = nombreLignes();
    beginInsertRows({}, rang, rang);
    m_lignes.push_back({1, article.codearticle, article.nom, article.description, arrondirPrix(article.prixvente)});
    endInsertRows();
    return rang;
}

void TPanier::augmenter(int ligne)
{
    if (!estLigne(ligne))
        return;
    if (this->ligne(ligne).quantite == std::numeric_limits<qint32>::max())
        throw EConvertError(QStringLiteral("La quantité de cet article ne peut plus augmenter."));
    changerQuantite(ligne, this->ligne(ligne).quantite + 1);
}

void TPanier::changerQuantite(int ligne, qint32 quantite)
{
    if (!estLigne(ligne) || quantite < 1)
        return;
    m_lignes[static_cast<std::size_t>(ligne)].quantite = quantite;
    ligneChangee(ligne);
}

void TPanier::ligneChangee(int ligne)
{
    emit dataChanged(index(ligne, 0), index(ligne, NombreColonnes - 1), {Qt::DisplayRole});
}

void TPanier::supprimer(int ligne)
{
    if (!estLigne(ligne))
        return;
    beginRemoveRows({}, ligne, ligne);
    m_lignes.erase(m_lignes.begin() + ligne);
    endRemoveRows();
}

void TPanier::vider()
{
    if (m_lignes.empty())
        return;
    beginRemoveRows({}, 0, nombreLignes() - 1);
    m_lignes.clear();
    endRemoveRows();
}

double TPanier::total() const
{
    double somme = 0;
    for (const LignePanier& l : m_lignes)
        somme += l.sousTotal();
    return somme;
}

std::unique_ptr<TVente>
TPanier::preparerVente(const QString& numero, const QDate& date, const QString& codeUtilisateur) const
{
    auto vente = std::make_unique<TVente>();
    vente->codevente = numero.trimmed();
    vente->datevente = date.startOfDay();
    vente->codeutilisateur = codeUtilisateur;
    vente->codeclient = QStringLiteral("1");
    if (estVide())
        return vente;
    bool ok = false;
    const qint32 code = vente->codevente.toInt(&ok);
    if (!ok)
        throw EConvertError(
            QStringLiteral("Le numéro de facture « %1 » n'est pas un nombre entier valide.").arg(vente->codevente));
    for (const LignePanier& l : m_lignes) {
        auto detail = std::make_unique<TDetailVenteArt>();
        detail->codevente = code;
        detail->codearticle = l.codearticle;
        detail->cantart = l.quantite;
        detail->prixventeunitaire = l.prixUnitaire;
        vente->lignes.ajouter(std::move(detail));
    }
    vente->calculerMontant();
    return vente;
}

QString texteAlerteStock(const TArticle* article, const QString& code, qint32 quantite)
{
    if (!article)
        return QStringLiteral("L'article %1 n'existe plus dans le catalogue").arg(code.trimmed());
    if (article->cantstock >= quantite)
        return {};
    return QStringLiteral("Le stock disponible de ") + article->nom + QLatin1Char('(')
        + QString::number(article->cantstock) + QStringLiteral(") est inferieur à cette demande");
}

qint64 enregistrerVenteComptoir(TDataModule_TALVEX& module, TVente& vente)
{
    const TAccesDonneesuite acces(module);
    // The outer guard holds the recording and the check below in one transaction: the
    // stock update of a line has locked its article, so no other workstation can delete
    // it between the check and the commit.
    Transaction transaction(module);
    const qint64 numero = acces.enregistrerVente(vente);
    QStringList absents;
    for (const auto& ligne : vente.lignes) {
        if (!absents.contains(ligne->codearticle) && !acces.getArticleParCode(ligne->codearticle))
            absents << ligne->codearticle;
    }
    if (absents.size() == 1)
        throw EArticleAbsent(QStringLiteral("L'article %1 n'existe plus dans le catalogue : retirez-le de la vente "
                                            "puis acceptez-la à nouveau.")
                                 .arg(absents.constFirst()));
    if (!absents.isEmpty())
        throw EArticleAbsent(QStringLiteral("Les articles %1 n'existent plus dans le catalogue : retirez-les de la "
                                            "vente puis acceptez-la à nouveau.")
                                 .arg(absents.join(QStringLiteral(", "))));
    transaction.valider();
    return numero;
}

} // namespace talvex
