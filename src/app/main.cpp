#include "core/datamodule.h"
#include "core/errors.h"
#include "shell/application.h"
#include "shell/formprinc.h"
#include "shell/messages.h"
#include "shell/programme.h"

#include <memory>

int main(int argc, char** argv)
{
    // Without TZ the C library looks at /etc/localtime again at every date conversion.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    talvex::TalvexApplication application(argc, argv);
    application.chargerTraductions();

    // The shop's database: DB/bd_gestionstock.db under the working directory, or the
    // PostgreSQL server named by TALVEX_DB. It is created with its required rows when new.
    std::unique_ptr<talvex::TDataModule_TALVEX> donnees;
    std::unique_ptr<talvex::Programme> programme;
    try {
        programme = std::make_unique<talvex::Programme>([&donnees] {
            donnees = std::make_unique<talvex::TDataModule_TALVEX>();
            donnees->connexion();
        });
    } catch (const talvex::Erreur& e) {
        talvex::afficherErreur(QStringLiteral("Impossible d'ouvrir la base de données :\n%1").arg(e.message()));
        return 1;
    }
    programme->principale().afficherAgrandie();
    return application.exec();
}
