#include "parties/modelepersonnes.h"

namespace talvex {

namespace {

template<typename Liste, typename Partie>
QList<LignePersonne> lignes(const Liste& liste, QString Partie::*code)
{
    QList<LignePersonne> resultat;
    resultat.reserve(liste.nombre());
    for (const auto& p : liste)
        resultat.append({(*p).*code, p->nom, p->prenom, p->telephone, p->adresse});
    return resultat;
}

void remplirPersonne(TPersonne& personne, const LignePersonne& ligne)
{
    personne.nom = ligne.nom;
    personne.prenom = ligne.prenom;
    personne.telephone = ligne.telephone;
    personne.adresse = ligne.adresse;
}

} // namespace

QList<LignePersonne> lignesPersonnes(const TListeClient& clients)
{
    return lignes(clients, &TClient::codeclient);
}

QList<LignePersonne> lignesPersonnes(const TListeFournisseur& fournisseurs)
{
    return lignes(fournisseurs, &TFournisseur::codefournisseur);
}

TClient clientDepuisLigne(const LignePersonne& ligne)
{
    TClient client;
    remplirPersonne(client, ligne);
    client.codeclient = ligne.code;
    return client;
}

TFournisseur fournisseurDepuisLigne(const LignePersonne& ligne)
{
    TFournisseur fournisseur;
    remplirPersonne(fournisseur, ligne);
    fournisseur.codefournisseur = ligne.code;
    return fournisseur;
}

int TModelePersonnes::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lignes.size());
}

int TModelePersonnes::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NombreColonnes;
}

QVariant TModelePersonnes::data(const QModelIndex& index, int role) const
{
    const LignePersonne* l = index.isValid() ? ligne(index.row()) : nullptr;
    if (!l || role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Code:
        return l->code;
    case Nom:
        return l->nom;
    case Prenom:
        return l->prenom;
    case Telephone:
        return l->telephone;
    case Adresse:
        return l->adresse;
    default:
        return {};
    }
}

QVariant TModelePersonnes::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QString titres[] = {QStringLiteral("Code"),
                                     QStringLiteral("Nom"),
                                     QStringLiteral("Prénom"),
                                     QStringLiteral("Teléphone"),
                                     QStringLiteral("Adresse")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= NombreColonnes)
        return QAbstractTableModel::headerData(section, orientation, role);
    return titres[section];
}

void TModelePersonnes::remplir(QList<LignePersonne> lignes)
{
    beginResetModel();
    m_lignes = std::move(lignes);
    endResetModel();
}

void TModelePersonnes::vider()
{
    remplir({});
}

const LignePersonne* TModelePersonnes::ligne(int i) const
{
    return i >= 0 && i < m_lignes.size() ? &m_lignes[i] : nullptr;
}

} // namespace talvex
