#pragma once

#include <QString>

#include <functional>

namespace talvex {

// Kinds of message: they fix the dialog's title and icon.
namespace genre {
constexpr int Avertissement = 0;
constexpr int Erreur = 1;
constexpr int Information = 2;
constexpr int Confirmation = 3;
constexpr int Personnalise = 4;
} // namespace genre

// Button set: one bit per button, shown left to right in bit order.
namespace bouton {
constexpr quint16 Oui = 1;
constexpr quint16 Non = 2;
constexpr quint16 Ok = 4;
constexpr quint16 Annuler = 8;
constexpr quint16 Abandonner = 16;
constexpr quint16 Retenter = 32;
constexpr quint16 Ignorer = 64;
constexpr quint16 Tout = 128;
constexpr quint16 NonPourTout = 256;
constexpr quint16 OuiPourTout = 512;
} // namespace bouton

// What afficherMessage returns for each button.
namespace resultat {
constexpr quint16 Ok = 1;
constexpr quint16 Annuler = 2;
constexpr quint16 Abandonner = 3;
constexpr quint16 Retenter = 4;
constexpr quint16 Ignorer = 5;
constexpr quint16 Oui = 6;
constexpr quint16 Non = 7;
constexpr quint16 Tout = 8;
constexpr quint16 NonPourTout = 9;
constexpr quint16 OuiPourTout = 10;
} // namespace resultat

// Shows the French message dialog and returns the result code of the button pressed
// (2 when closed by its close box).
quint16 afficherMessage(const QString& texte, int genre, quint16 boutons);

enum class IconeBoite { Aucune, Erreur };
// The plain message box some windows use: one OK button. An empty title means the
// application's title.
void afficherBoite(const QString& texte, const QString& titre = {}, IconeBoite icone = IconeBoite::Aucune);

// The program's default error display: stop icon, the application's title, the text.
void afficherErreur(const QString& texte);

// Every message passes through one replaceable point, so that tests can answer in the
// user's place and read what was asked.
struct DemandeMessage
{
    enum class Sorte { Dialogue, Boite, Erreur };
    Sorte sorte = Sorte::Dialogue;
    QString texte;
    QString titre; // as the user would see it
    int genre = -1; // dialogs only
    quint16 boutons = 0;
};
using RepondeurMessages = std::function<quint16(const DemandeMessage&)>;
// Installs a responder in place of the screen; an empty one gives the screen back.
// Returns the responder that was in place.
RepondeurMessages remplacerRepondeur(RepondeurMessages repondeur);

} // namespace talvex
