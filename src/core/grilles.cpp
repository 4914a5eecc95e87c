#include "core/grilles.h"

#include <utility>

namespace talvex {

TModeleGrille::TModeleGrille(QStringList entetes, QList<int> colonnesAGauche, QObject* parent)
    : QAbstractTableModel(parent)
    , m_entetes(std::move(entetes))
    , m_colonnesAGauche(std::move(colonnesAGauche))
{
}

int TModeleGrille::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : nombreRangees();
}

int TModeleGrille::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entetes.size());
}

QVariant TModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return texte(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const bool aGauche = m_colonnesAGauche.contains(index.column());
        return QVariant::fromValue(Qt::Alignment((aGauche ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop));
    }
    default:
        return {};
    }
}

QVariant TModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_entetes.size())
        return m_entetes.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TModeleGrille::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace talvex
