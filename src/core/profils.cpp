#include "core/profils.h"

namespace talvex {

namespace {

constexpr EtatEntree VE {true, true};
constexpr EtatEntree V {true, {}};
constexpr EtatEntree E {{}, true};
constexpr EtatEntree H {false, {}};
constexpr EtatEntree HD {false, false};

std::vector<RegleProfil> construireRegles()
{
    struct Ligne
    {
        const char* entree;
        EtatEntree responsable, gestionnaire, vendeur;
    };
    // clang-format off
    static const Ligne lignes[] = {
        // Main menu
        {"Articles2",                    VE, VE, HD},
        {"AjouterModifier2",             V,  V,  H},
        {"Approvisionnement2",           V,  V,  H},
        {"Categorie1",                   V,  V,  H},
        {"Fournisseurs1",                V,  V,  H},
        {"Ventes2",                      E,  E,  E},
        {"Facturer1",                    VE, HD, VE},
        {"Consulterlesventes2",          VE, VE, HD},
        {"Clients2",                     V,  V,  V},
        {"Etats1",                       E,  E,  E},
        {"Ventes3",                      V,  V,  V},
        {"Articles3",                    V,  V,  V},
        {"Clients3",                     V,  V,  V},
        {"Approvisionnements1",          V,  V,  H},
        {"Utilisateurs2",                V,  H,  H},
        {"AdministrationSystme1",        VE, HD, HD},
        {"Configurationdelapplication1", VE, HD, HD},
        {"Outils2",                      V,  V,  V},
        {"Aide2",                        VE, VE, VE},
        // Notification-area menu
        {"Articles1",                    VE, VE, HD},
        {"Gestiondarticles1",            E,  E,  E},
        {"GestiondApprovisionnements1",  VE, VE, VE},
        {"GestiondesCatgories1",         VE, VE, VE},
        {"GestiondesFournisseurs1",      VE, VE, VE},
        {"AdministrationSystme2",        VE, HD, HD},
        {"Ventes1",                      VE, VE, VE},
        {"Facturer2",                    VE, HD, VE},
        {"Gestiondesventes1",            VE, VE, HD},
        {"GestionsdeClients1",           VE, VE, VE},
        {"Logdusystme1",                 V,  H,  H},
    };
    // clang-format on
    std::vector<RegleProfil> regles;
    for (const Ligne& l : lignes)
        regles.push_back({QString::fromLatin1(l.entree), {l.responsable, l.gestionnaire, l.vendeur}});
    return regles;
}

} // namespace

const std::vector<RegleProfil>& reglesProfils()
{
    static const std::vector<RegleProfil> regles = construireRegles();
    return regles;
}

EtatEntree etatPourRole(const QString& entree, int role)
{
    if (role < 1 || role > 3)
        return {};
    for (const RegleProfil& regle : reglesProfils()) {
        if (regle.entree == entree)
            return regle.roles[static_cast<std::size_t>(role - 1)];
    }
    return {};
}

} // namespace talvex
