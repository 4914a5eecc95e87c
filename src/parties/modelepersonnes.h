#pragma once

#include "core/records.h"

#include <QAbstractTableModel>
#include <QList>

namespace talvex {

// One row of a party grid, in the grid's column order.
struct LignePersonne
{
    QString code;
    QString nom;
    QString prenom;
    QString telephone;
    QString adresse;
};

QList<LignePersonne> lignesPersonnes(const TListeClient& clients);
QList<LignePersonne> lignesPersonnes(const TListeFournisseur& fournisseurs);

// The client or supplier found by a search, rebuilt from its grid row (a client's
// accumulated purchases are not in the grid: they stay 0, which a modification adds).
TClient clientDepuisLigne(const LignePersonne& ligne);
TFournisseur fournisseurDepuisLigne(const LignePersonne& ligne);

// The rows of the party grids ("Code", "Nom", "Prénom", "Teléphone", "Adresse"), read
// only. A search may return the whole party table: the rows are kept once, here, and the
// view draws only what it shows.
class TModelePersonnes : public QAbstractTableModel
{
public:
    enum Colonne { Code, Nom, Prenom, Telephone, Adresse, NombreColonnes };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void remplir(QList<LignePersonne> lignes);
    void vider();
    // Row `i` (from 0); null outside the rows.
    const LignePersonne* ligne(int i) const;

private:
    QList<LignePersonne> m_lignes;
};

} // namespace talvex
