#pragma once

#include "core/errors.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <vector>

// The report project: every printed document is a named report described as data in one
// file (GUI/RAPPORTS/R_TALVEX.json under the working directory when present, otherwise the
// copy built into the program). A report names its data sets (each filled by one statement
// with bound values), its text parameters, its page set-up and its bands; nothing in the
// program's code is specific to one layout.
namespace talvex::rapports {

// A report that cannot be found, a project file that cannot be read, or a layout that
// refers to something that does not exist.
class ERapport : public Erreur
{
public:
    using Erreur::Erreur;
};

enum class Alignement { Gauche, Centre, Droite };

// What a run does with the two engine settings (output-options dialog allowed, preview
// maximised): Avant turns the dialog off and maximises the preview before the run,
// DialogueCoupe only turns the dialog off before it, Apres does as Avant once the run
// has ended, Aucun touches neither.
enum class Reglage { Aucun, Avant, DialogueCoupe, Apres };

// A data set of a report: the connection name the layout reads it by, the data module
// query it stands for, its statement (values as `?`) and the names of the values bound,
// in the order of the placeholders.
struct DefinitionDonnees
{
    QString nom;
    QString requete;
    QString sql;
    QStringList valeurs;
};

// A piece of the layout. Texts are models: {nom} is a parameter or a field of the current
// row, {Connexion.champ} a field of another data set, {somme.champ} and {nombre} the
// aggregates of a table, and |format after the name formats the value (see modeles.h).
struct Element
{
    enum class Sorte { Texte, Champs, Colonnes, Filet, Espace };
    Sorte sorte = Sorte::Texte;
    // Shown only when this model gives a non-empty text (empty: always shown).
    QString si;
    // Texte
    QString modele;
    QString style;
    Alignement alignement = Alignement::Gauche;
    // Champs: label and value model of each line
    std::vector<std::pair<QString, QString>> champs;
    int largeurLibelles = 30; // percent
    // Colonnes: blocks side by side, each with its width in percent and an optional frame
    struct Bloc
    {
        int largeur = 50;
        bool cadre = false;
        std::vector<Element> elements;
    };
    std::vector<Bloc> blocs;
    // Espace
    double millimetres = 0;
};

struct ColonneTableau
{
    QString titre;
    QString modele;
    int largeur = 0; // percent, 0: as wide as its content asks
    Alignement alignement = Alignement::Gauche;
};

struct LigneTotal
{
    QString libelle;
    QString modele;
    QString style;
};

// The body is a sequence of bands. A text band prints once. A master band prints its
// elements, its own bands and its foot once for each row of its data set. A table band
// prints one line per row of its data set (within a master band, the rows whose `lien`
// field equals the master row's `lienMaitre` field), then its total lines.
struct Bande
{
    enum class Sorte { Texte, Maitre, Tableau };
    Sorte sorte = Sorte::Texte;
    QString donnees;
    std::vector<Element> elements;
    std::vector<Bande> bandes;
    std::vector<Element> pied;
    bool sautDePage = false;
    QString lien;
    QString lienMaitre;
    std::vector<ColonneTableau> colonnes;
    std::vector<LigneTotal> totaux;
    QString vide;
};

struct DefinitionRapport
{
    QString nom;
    QString titre;
    QPageLayout page;
    // Whether the company parameters are given (nom_entreprise ...).
    bool societe = true;
    Reglage reglage = Reglage::Aucun;
    // The report's own text parameters, given by the operation that runs it.
    QStringList parametres;
    std::vector<DefinitionDonnees> donnees;
    std::vector<Element> entetePage;
    std::vector<Element> piedPage;
    std::vector<Bande> corps;

    const DefinitionDonnees* jeu(const QString& nomConnexion) const;
};

class ProjetRapports
{
public:
    // Where a shop may put its own project file, relative to the working directory.
    static QString cheminFichier();
    // The project built into the program.
    static QString cheminInterne();

    // The file under the working directory when it exists, otherwise the built-in one.
    static ProjetRapports ouvrir();
    static ProjetRapports depuisFichier(const QString& chemin);
    // Reads and checks a whole project; throws ERapport naming `source` on any fault.
    static ProjetRapports depuisJson(const QByteArray& json, const QString& source);

    const QString& source() const { return m_source; }
    QStringList noms() const;
    // Throws ERapport when the project has no report of that name.
    const DefinitionRapport& rapport(const QString& nom) const;

private:
    QString m_source;
    std::vector<DefinitionRapport> m_rapports;
};

} // namespace talvex::rapports
