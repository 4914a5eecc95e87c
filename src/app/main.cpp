#include "core/datamodule.h"
#include "core/errors.h"
#include "shell/application.h"
#include "shell/messages.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    talvex::TalvexApplication application(argc, argv);
    application.chargerTraductions();

    // The shop's database: DB/bd_gestionstock.db under the working directory, or the
    // PostgreSQL server named by TALVEX_DB. It is created with its required rows when new.
    std::unique_ptr<talvex::TDataModule_TALVEX> donnees;
    try {
        donnees = std::make_unique<talvex::TDataModule_TALVEX>();
        donnees->connexion();
    } catch (const talvex::Erreur& e) {
        talvex::afficherErreur(QStringLiteral("Impossible d'ouvrir la base de données :\n%1").arg(e.message()));
        return 1;
    }

    QMainWindow fenetre;
    fenetre.setObjectName(QStringLiteral("Form_princ"));
    fenetre.setWindowTitle(QStringLiteral("GESTION DE STOCK"));
    fenetre.showMaximized();
    return application.exec();
}
