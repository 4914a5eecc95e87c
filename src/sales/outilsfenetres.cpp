#include "sales/outilsfenetres.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>

#include <utility>

namespace talvex {

namespace {

// The property a grid carries while the program moves its current row.
const char* const CHOIX_PAR_PROGRAMME = "choixParProgramme";

class FiltreEntree : public QObject
{
public:
    FiltreEntree(QWidget& controle, std::function<void()> action)
        : QObject(&controle)
        , m_action(std::move(action))
    {
    }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::KeyPress) {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    std::function<void()> m_action;
};

// The cells of the sale windows' grids: bold black text on the window background, one
// column in green; the selected row in white regular text on navy. Figures are drawn
// against the right edge, names 5 pixels from the left, 2 pixels below the cell's top.
class TDessinCellules : public QStyledItemDelegate
{
public:
    TDessinCellules(int colonneVerte, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_colonneVerte(colonneVerte)
    {
    }

    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        static const QColor MARINE(0, 0, 128);
        static const QColor VERT(0, 128, 0);
        const bool choisie = option.state.testFlag(QStyle::State_Selected);
        QFont police = option.font;
        police.setBold(!choisie);
        QColor encre = Qt::black;
        if (choisie)
            encre = Qt::white;
        else if (index.column() == m_colonneVerte)
            encre = VERT;

        const QRect cellule = option.rect;
        const QString texte = index.data(Qt::DisplayRole).toString();
        const int largeur = QFontMetrics(police).horizontalAdvance(texte);
        const auto alignement = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        const int x
            = alignement.testFlag(Qt::AlignRight) ? cellule.x() + cellule.width() - largeur - 2 : cellule.x() + 5;

        peintre->save();
        peintre->setClipRect(cellule);
        peintre->fillRect(cellule, choisie ? QBrush(MARINE) : option.palette.base());
        peintre->setFont(police);
        peintre->setPen(encre);
        peintre->drawText(
            QRect(x, cellule.y() + 2, largeur, cellule.height() - 2), Qt::AlignLeft | Qt::AlignTop, texte);
        peintre->restore();
    }

private:
    int m_colonneVerte;
};

} // namespace

QFont policeGras(int pixels, const QString& famille)
{
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(true);
    return police;
}

void surEntree(QWidget& controle, std::function<void()> action)
{
    controle.installEventFilter(new FiltreEntree(controle, std::move(action)));
}

QPushButton* boutonFenetre(const char* nom, const QString& texte, const QString& aide, QWidget* parent)
{
    QPushButton* bouton = creerBouton(nom, texte, parent, aide);
    surEntree(*bouton, [bouton] {
        if (bouton->isEnabled())
            bouton->click();
    });
    return bouton;
}

void preparerGrille(QTableView& grille, const QList<int>& largeurs, int colonneVerte)
{
    grille.setSelectionBehavior(QAbstractItemView::SelectRows);
    grille.setSelectionMode(QAbstractItemView::SingleSelection);
    grille.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille.setTabKeyNavigation(false);
    grille.setWordWrap(false);
    grille.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grille.setItemDelegate(new TDessinCellules(colonneVerte, &grille));
    grille.verticalHeader()->hide();
    grille.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grille.verticalHeader()->setDefaultSectionSize(23);
    QHeaderView* entete = grille.horizontalHeader();
    entete->setDefaultAlignment(Qt::AlignCenter);
    entete->setSectionsClickable(false);
    entete->setHighlightSections(false);
    entete->setFont(policeGras(grille.font().pixelSize() > 0 ? grille.font().pixelSize() : 13, grille.font().family()));
    for (int i = 0; i < largeurs.size(); ++i)
        grille.setColumnWidth(i, largeurs.at(i));
}

int ligneCourante(const QTableView& grille)
{
    const QModelIndex courant = grille.currentIndex();
    return courant.isValid() ? courant.row() : -1;
}

void choisirLigne(QTableView& grille, int ligne)
{
    const QModelIndex index = grille.model()->index(ligne, 0);
    if (!index.isValid())
        return;
    const ChoixParProgramme garde(grille);
    grille.setCurrentIndex(index);
    grille.selectRow(ligne);
    grille.scrollTo(index);
}

ChoixParProgramme::ChoixParProgramme(QTableView& grille)
    : m_grille(grille)
    , m_avant(grille.property(CHOIX_PAR_PROGRAMME).toBool())
{
    m_grille.setProperty(CHOIX_PAR_PROGRAMME, true);
}

ChoixParProgramme::~ChoixParProgramme()
{
    m_grille.setProperty(CHOIX_PAR_PROGRAMME, m_avant);
}

void surClicGrille(QTableView& grille, std::function<void()> action)
{
    QObject::connect(&grille, &QTableView::clicked, &grille, [action] { action(); });
    QObject::connect(grille.selectionModel(), &QItemSelectionModel::currentRowChanged, &grille, [&grille, action] {
        // A mouse press is followed by its click; the program's own moves are not the user's.
        if (QApplication::mouseButtons() == Qt::NoButton && !grille.property(CHOIX_PAR_PROGRAMME).toBool())
            action();
    });
}

} // namespace talvex
