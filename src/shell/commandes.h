#pragma once

namespace talvex {

// What each entry of the main menu and of the notification-area menu does; twin entries
// of the two menus share one command.
enum class Commande {
    Aucune,
    Connexion,
    ConfigurerBase,
    Fermer,
    GestionArticles,
    NouvelApprov,
    ConsulterApprov,
    Categories,
    Fournisseurs,
    Facturer,
    GestionVentes,
    Clients,
    ResumeJour,
    ResumePeriode,
    VentesJourSimplifie,
    VentesJourDetaille,
    VentesPeriode,
    VentesParArticleToutes,
    VentesParArticlePeriode,
    VentesParEmploye,
    ApprovSimplifiesTous,
    ApprovSimplifiesPeriode,
    ApprovDetaillesTous,
    ApprovDetaillesPeriode,
    ApprovParArticleTous,
    ApprovParArticlePeriode,
    ApprovParVendeurTous,
    ApprovParVendeurPeriode,
    OptionsArticles,
    Statistiques,
    LogUtilisateurs,
    GestionUtilisateurs,
    ConfigurationApplication,
    Calculatrice,
    Themes,
    CodesBarres,
    MonCompte,
    AideApplication,
    Credit,
    Montrer,
    Quitter,
};

} // namespace talvex
