#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace talvex {

// A read-only table of texts as the program's grids show them: captions over the columns,
// names and descriptions from the left, codes and figures against the right, always on a
// cell's first line. A subclass gives the number of rows and each cell's text.
class TModeleGrille : public QAbstractTableModel
{
    Q_OBJECT

public:
    TModeleGrille(QStringList entetes, QList<int> colonnesAGauche, QObject* parent = nullptr);

    // A cell's text ("" outside the table).
    virtual QString texte(int ligne, int colonne) const = 0;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    virtual int nombreRangees() const = 0;

private:
    QStringList m_entetes;
    QList<int> m_colonnesAGauche;
};

} // namespace talvex
