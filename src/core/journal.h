#pragma once

#include <QString>

// The session journal: each login opens a row of tb_session, each logout and the end of
// the program stamps it, and every change of reference data, every correction or deletion
// of a recorded sale or supply made meanwhile appends "-" and its action code to it.
namespace talvex {

// The action codes: a fixed text, then (mostly) the identifier of the record concerned,
// with nothing in between; blanks belong to the fixed texts.
namespace action {
inline const QString AJ_ART = QStringLiteral("Aj art ");
inline const QString MOD_ART = QStringLiteral("mod art ");
inline const QString DEL_ART = QStringLiteral("Del art ");
inline const QString MOD_CLT = QStringLiteral("Mod clt ");
inline const QString DEL_CLT = QStringLiteral("Del Clt ");
inline const QString MOD_FOURN = QStringLiteral("Mod fourn.");
inline const QString DEL_FOURN = QStringLiteral("Del Fourn.");
inline const QString MOD_UTL = QStringLiteral("Mod utl");
inline const QString ACT_UTL = QStringLiteral("Act utl ");
inline const QString DESACT_UTL = QStringLiteral("Desact utl ");
inline const QString DEL_UTL = QStringLiteral("Del utl ");
inline const QString MOD_MP_UTL = QStringLiteral("Mod mp utl ");
inline const QString MOD_CONFIG_APPL = QStringLiteral("Mod config appl");
inline const QString MOD_VTE = QStringLiteral("Mod vte ");
inline const QString DEL_VTE = QStringLiteral("Del vte ");
inline const QString DEL_VTE_DERNIERE = QStringLiteral("*Del vte ");
inline const QString MOD_APP = QStringLiteral("Mod app");
inline const QString DEL_APP = QStringLiteral("Del app ");
inline const QString DEL_APP_LIGNE = QStringLiteral("Del app");
inline const QString DEL_APP_DERNIERE = QStringLiteral("*Del app");

// Article created (its trimmed code), modified (the code as typed), deleted (its name).
QString ajoutArticle(const QString& code);
QString modificationArticle(const QString& code);
QString suppressionArticle(const QString& nom);
QString modificationClient(const QString& code);
// After the client's sales went to the anonymous client.
QString suppressionClient(const QString& code);
QString modificationFournisseur(const QString& code);
// After the supplier's supplies went to "NEANT".
QString suppressionFournisseur(const QString& code);
QString modificationUtilisateur(const QString& code);
QString activationUtilisateur(const QString& code);
QString desactivationUtilisateur(const QString& code);
QString suppressionUtilisateur(const QString& code);
// The user's password set back to the default one.
QString reinitialisationMotDePasse(const QString& code);
// The company profile saved from its window.
QString modificationConfigApplication();
// A line of a recorded sale corrected; a whole sale deleted.
QString modificationVente(const QString& numero);
QString suppressionVente(const QString& numero);
// One line deleted from a sale that keeps others; the only line deleted, and the sale with it.
QString suppressionLigneVente(const QString& numero, const QString& article);
QString suppressionDerniereLigneVente(const QString& numero, const QString& article);
QString modificationApprovisionnement(const QString& numero);
QString suppressionApprovisionnement(const QString& numero);
QString suppressionLigneApprovisionnement(const QString& numero, const QString& article);
QString suppressionDerniereLigneApprovisionnement(const QString& numero, const QString& article);
} // namespace action

// Appends "-" and the action code to the open session's row. False, with nothing written,
// when no session is open or when its row is not found; engine errors propagate.
bool journaliserAction(const QString& codeAction);

// Login: opens a session for the user at the current instant and makes it the open
// one once its row is written.
void ouvrirSessionCourante(const QString& codeUtilisateur);

// Logout and end of the program: stamps the open session's end with the current instant.
// True when its row was changed; false when no session is open or its row is not found.
bool fermerSessionCourante();

} // namespace talvex
