#include "shell/menusprinc.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace talvex {

namespace {

using C = Commande;

struct Entree
{
    const char* parent; // object name of the menu holding it; null for the menu bar
    const char* nom;
    const char* libelle;
    const char* aide;
    const char* raccourci;
    Commande commande;
};

constexpr const char* BARRE = nullptr;
constexpr const char* BANDEJA = NOM_MENU_NOTIFICATION;

// clang-format off
constexpr Entree ENTREES[] = {
    // Main menu
    {BARRE, "Archive2", "Fichier", "", "", C::Aucune},
    {"Archive2", "Deconnexion1", "&Connexion", "Cliquer pour vous connecter ", "", C::Connexion},
    {"Archive2", "ConfigurerBasedeDonnes1", "Configurer Base de Données", "cliquer pour configurer la base de données", "", C::ConfigurerBase},
    {"Archive2", "Fermer2", "Fermer", "cliquer pour fermer l'application", "", C::Fermer},
    {BARRE, "Articles2", "Articles", "Fonctionnalités sur les articles", "", C::Aucune},
    {"Articles2", "AjouterModifier2", "Gestion d'articles", "cliquer pour gérer les articles", "Ctrl+A", C::GestionArticles},
    {"Articles2", "Approvisionnement2", "Gestion d'Approvisionnements", "Gestion d'approvisionnement", "", C::Aucune},
    {"Approvisionnement2", "Nouveau2", "Nouveau", "ajouter un nouvel approvisionnement", "Ctrl+N", C::NouvelApprov},
    {"Approvisionnement2", "Consulter3", "Consulter", "gérer les approvisionnements", "Ctrl+P", C::ConsulterApprov},
    {"Articles2", "Categorie1", "Gestion des Catégories", "Gestion des Catégories", "", C::Categories},
    {"Articles2", "Fournisseurs1", "Gestion des Fournisseurs", "Gestion des Fournisseurs", "", C::Fournisseurs},
    {BARRE, "Ventes2", "Ventes", "Fonctionnalités sur la vente", "", C::Aucune},
    {"Ventes2", "Facturer1", "Facturer", "Cliquer pour effectuer des ventes", "F", C::Facturer},
    {"Ventes2", "Consulterlesventes2", "Gestion des ventes", "Gestion des ventes", "Ctrl+V", C::GestionVentes},
    {"Ventes2", "Clients2", "Gestions de Clients", "Gestions de Clients", "", C::Clients},
    {BARRE, "Etats1", "Etats", "Cliquer pour voir les repporting", "", C::Aucune},
    {"Etats1", "Ventes3", "Ventes", "Etats sur les ventes", "", C::Aucune},
    {"Ventes3", "Rsumdujour1", "Résumé du jour", "", "R", C::ResumeJour},
    {"Ventes3", "RsumentredeuxDates1", "Résumé entre deux Dates", "", "Ctrl+R", C::ResumePeriode},
    {"Ventes3", "VentesduJour1", "Ventes du Jour", "", "", C::Aucune},
    {"VentesduJour1", "Simplifi1", "Simplifié", "", "D", C::VentesJourSimplifie},
    {"VentesduJour1", "Dtaill1", "Détaillé", "", "Ctrl+D", C::VentesJourDetaille},
    {"Ventes3", "VentesentresdeuxDates1", "Ventes entres deux Dates", "", "Alt+R", C::VentesPeriode},
    {"Ventes3", "VentesparArticles1", "Ventes par articles", "", "", C::Aucune},
    {"VentesparArticles1", "Toute1", "Toute", "", "Shift+D", C::VentesParArticleToutes},
    {"VentesparArticles1", "EntredeuxDates1", "Entre deux Dates", "", "Alt+D", C::VentesParArticlePeriode},
    {"Ventes3", "VentesparEmploy1", "Ventes par Employé", "", "", C::VentesParEmploye},
    {"Etats1", "Articles3", "Articles", "Etats sur les articles", "", C::OptionsArticles},
    {"Etats1", "Approvisionnements1", "Approvisionnements", "Etats sur les approvisionnements", "", C::Aucune},
    {"Approvisionnements1", "Simplifis1", "Simplifiés", "", "", C::Aucune},
    {"Simplifis1", "Tous1", "Tous", "", "", C::ApprovSimplifiesTous},
    {"Simplifis1", "EntredeuxDates2", "Entre deux Dates", "", "", C::ApprovSimplifiesPeriode},
    {"Approvisionnements1", "Dtaills1", "Détaillés", "", "", C::Aucune},
    {"Dtaills1", "Tous2", "Tous", "", "", C::ApprovDetaillesTous},
    {"Dtaills1", "EntredeuxDates3", "Entre deux Dates", "", "", C::ApprovDetaillesPeriode},
    {"Approvisionnements1", "ParArticle1", "Par Article", "", "", C::Aucune},
    {"ParArticle1", "Tous3", "Tous", "", "", C::ApprovParArticleTous},
    {"ParArticle1", "EntredeuxDates4", "Entre deux Dates", "", "", C::ApprovParArticlePeriode},
    {"Approvisionnements1", "ParVendeur1", "Par Vendeur", "", "", C::Aucune},
    {"ParVendeur1", "Tous4", "Tous", "", "", C::ApprovParVendeurTous},
    {"ParVendeur1", "EntredeuxDates5", "Entre deux Dates", "", "", C::ApprovParVendeurPeriode},
    {"Etats1", "Clients3", "Statistiques", "Les statistiques sur les ventes", "", C::Statistiques},
    {"Etats1", "Utilisateurs2", "Log des utilisateurs", "Etats sur les sessions des utilisateurs", "", C::LogUtilisateurs},
    {BARRE, "AdministrationSystme1", "Administration Système", "cliquer pour administter le système", "", C::Aucune},
    {"AdministrationSystme1", "Gestiondesutilisateurs1", "Gestion des utilisateurs", "Gestion des utilisateurs", "", C::GestionUtilisateurs},
    {"AdministrationSystme1", "Configurationdelapplication1", "Configuration de l'application", "Configuration de l'application", "", C::ConfigurationApplication},
    {BARRE, "Outils2", "Outils", "Outils ", "", C::Aucune},
    {"Outils2", "Calculatrice1", "Calculatrice", "Calculatrice", "", C::Calculatrice},
    {"Outils2", "GestiondesThmes1", "Gestion des Thèmes", "Gestion des Thèmes ou e l'apparence", "", C::Themes},
    {"Outils2", "CodeBarredesarticles1", "Code Barre des articles", "imprimer les codes barres des articles", "", C::CodesBarres},
    {BARRE, "MonCompte1", "Mon Compte", "Informations et changer les informations de l'utilisateur courrant", "", C::MonCompte},
    {BARRE, "Aide2", "Aide", "Aide du système", "", C::Aucune},
    {"Aide2", "Surlapplication1", "Sur l'application", "", "F1", C::AideApplication},
    {"Aide2", "Crdit1", "Crédit", "", "F2", C::Credit},
    // Notification-area menu
    {BANDEJA, "Montrer1", "Montrer", "", "", C::Montrer},
    {BANDEJA, "Application1", "Application", "", "", C::Aucune},
    {"Application1", "Articles1", "Articles", "", "", C::Aucune},
    {"Articles1", "Gestiondarticles1", "Gestion d'articles", "", "", C::GestionArticles},
    {"Articles1", "GestiondApprovisionnements1", "Gestion d'Approvisionnements", "", "", C::Aucune},
    {"GestiondApprovisionnements1", "Nouvelapprov1", "Nouvel approv", "", "", C::NouvelApprov},
    {"GestiondApprovisionnements1", "Consulter1", "Consulter", "", "", C::ConsulterApprov},
    {"Articles1", "GestiondesCatgories1", "Gestion des Catégories", "", "", C::Categories},
    {"Articles1", "GestiondesFournisseurs1", "Gestion des Fournisseurs", "", "", C::Fournisseurs},
    {"Application1", "Ventes1", "Ventes", "", "", C::Aucune},
    {"Ventes1", "Facturer2", "Facturer", "", "", C::Facturer},
    {"Ventes1", "Gestiondesventes1", "Gestion des ventes", "", "", C::GestionVentes},
    {"Ventes1", "GestionsdeClients1", "Gestions de Clients", "", "", C::Clients},
    {"Application1", "Etats2", "Etats", "", "", C::Aucune},
    {"Etats2", "Ventes4", "Ventes", "", "", C::VentesPeriode},
    {"Etats2", "Articles4", "Articles", "", "", C::OptionsArticles},
    {"Etats2", "Approvisionnements2", "Approvisionnements", "", "", C::ApprovDetaillesPeriode},
    {"Etats2", "Statistiques1", "Statistiques", "", "", C::Statistiques},
    {"Etats2", "Logdusystme1", "Log du système", "", "", C::LogUtilisateurs},
    {"Application1", "AdministrationSystme2", "Administration Système", "", "", C::Aucune},
    {"AdministrationSystme2", "Gestiondesutilisateurs2", "Gestion des utilisateurs", "", "", C::GestionUtilisateurs},
    {"AdministrationSystme2", "Configurationdelapplication2", "Configuration de l'application", "", "", C::ConfigurationApplication},
    {"Application1", "MonCompte2", "Mon Compte", "", "", C::MonCompte},
    {"Application1", "Outils1", "Outils", "", "", C::Aucune},
    {"Outils1", "Calculatrice2", "Calculatrice", "", "", C::Calculatrice},
    {"Outils1", "GestiondesThmes2", "Gestion des Thèmes", "", "", C::Themes},
    {"Outils1", "CodeBarredesarticles2", "Code Barre des articles", "", "", C::CodesBarres},
    {"Application1", "Aide1", "Aide", "", "", C::Aucune},
    {"Aide1", "Contenu1", "Contenu", "", "", C::Aucune},
    {"Aide1", "Crdit2", "Crédit", "", "", C::Aucune},
    {BANDEJA, "Deconnexion2", "Connexion", "", "", C::Connexion},
    {BANDEJA, "Quiter1", "Quiter", "", "", C::Quitter},
};
// clang-format on

// Entries never shown: the database configuration and the two help entries.
constexpr const char* CACHEES[] = {"ConfigurerBasedeDonnes1", "Surlapplication1", "Crdit1"};

QString texte(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void decrire(QAction& action, const Entree& e)
{
    action.setObjectName(texte(e.nom));
    action.setStatusTip(texte(e.aide));
    action.setToolTip(texte(e.aide));
    action.setData(static_cast<int>(e.commande));
    if (*e.raccourci)
        action.setShortcut(QKeySequence(texte(e.raccourci)));
}

} // namespace

void construireMenus(QMenuBar& barre, QMenu& notification)
{
    notification.setObjectName(texte(NOM_MENU_NOTIFICATION));
    QSet<QString> sousMenus;
    for (const Entree& e : ENTREES) {
        if (e.parent)
            sousMenus.insert(texte(e.parent));
    }
    QHash<QString, QMenu*> menus {{notification.objectName(), &notification}};
    for (const Entree& e : ENTREES) {
        const QString nom = texte(e.nom);
        QMenu* parent = e.parent ? menus.value(texte(e.parent)) : nullptr;
        QWidget* conteneur = parent ? static_cast<QWidget*>(parent) : &barre;
        QAction* action = nullptr;
        if (sousMenus.contains(nom)) {
            auto* menu = new QMenu(texte(e.libelle), conteneur);
            menu->setObjectName(nom);
            menus.insert(nom, menu);
            action = menu->menuAction();
        } else {
            action = new QAction(texte(e.libelle), conteneur);
        }
        decrire(*action, e);
        conteneur->addAction(action);
    }
    for (const char* nom : CACHEES)
        barre.findChild<QAction*>(texte(nom))->setVisible(false);
}

Commande commandeDe(const QAction& entree)
{
    return static_cast<Commande>(entree.data().toInt());
}

bool estAccessible(const QAction& entree)
{
    if (!entree.isVisible() || !entree.isEnabled())
        return false;
    for (QObject* o = entree.parent(); o; o = o->parent()) {
        const auto* menu = qobject_cast<const QMenu*>(o);
        if (menu && (!menu->menuAction()->isVisible() || !menu->menuAction()->isEnabled()))
            return false;
    }
    return true;
}

} // namespace talvex
