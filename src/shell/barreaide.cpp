#include "shell/barreaide.h"

#include <QEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWidget>

namespace talvex {

namespace {

class AfficheurAide : public QObject
{
public:
    AfficheurAide(QWidget& fenetre, QStatusBar& barre)
        : QObject(&fenetre)
        , m_barre(barre)
    {
    }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::StatusTip) {
            m_barre.showMessage(static_cast<QStatusTipEvent*>(evenement)->tip());
            return true;
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    QStatusBar& m_barre;
};

} // namespace

void relierBarreAide(QWidget& fenetre, QStatusBar& barre)
{
    fenetre.installEventFilter(new AfficheurAide(fenetre, barre));
}

void donnerAide(QWidget& controle, const QString& aide)
{
    controle.setToolTip(aide);
    controle.setStatusTip(aide);
}

} // namespace talvex
