#include "shell/programme.h"

#include "parties/formclient.h"
#include "parties/forminscliente.h"
#include "parties/formmodpers.h"
#include "sales/fenetresvente.h"
#include "settings/formskinman.h"
#include "shell/formprinc.h"
#include "users/formauthuser.h"
#include "users/formuserprofile.h"

#include <QGuiApplication>

namespace talvex {

Programme::Programme(const std::function<void()>& creerDonnees)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("TALVEX-QRV"));
    m_principale = std::make_unique<TForm_princ>();
    TForm_princ* p = m_principale.get();
    new TForm_Auth_user(p);
    creerDonnees();
    creerFenetresVente(*p);
    new TForm_insCliente(p);
    new TForm_client(p);
    new TForm_user_profile(p);
    new TForm_mod_pers(p);
    new TForm_skin_man(p->sSkinManager1(), p);
}

Programme::~Programme() = default;

} // namespace talvex
