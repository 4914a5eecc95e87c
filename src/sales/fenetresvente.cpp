#include "sales/fenetresvente.h"

#include "sales/formchgcant.h"
#include "sales/formfindappvente.h"
#include "sales/formvente.h"
#include "sales/formventeconf.h"
#include "sales/outilsfenetres.h"

namespace talvex {

void creerFenetresVente(QWidget& principale)
{
    fenetreSous<TForm_Find_AppVente>(principale);
    fenetreSous<TForm_chgCant>(principale);
    fenetreSous<TForm_Vente>(principale);
    fenetreSous<TForm_Vente_conf>(principale);
}

void ouvrirVente(QWidget& principale)
{
    fenetreSous<TForm_Vente>(principale).exec();
}

} // namespace talvex
