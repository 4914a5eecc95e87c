#pragma once

#include "core/records.h"

#include <QDate>
#include <QString>

#include <memory>

namespace talvex {

class TDataModule_TALVEX;

class TAccesDonnees
{
};

// Every statement of the program on its business tables. The object holds no state:
// windows create one when they need it. Values are always bound, never pasted into the
// SQL text; a code argument that is not a whole number raises EConvertError before any
// statement runs; engine errors raise EErreurBase.
class TAccesDonneesuite : public TAccesDonnees
{
public:
    // Runs on the program's data module (TDataModule_TALVEX::courant()) unless given one.
    TAccesDonneesuite();
    explicit TAccesDonneesuite(TDataModule_TALVEX& module);

    // --- Catalogue ------------------------------------------------------------------
    // ordre 1: by description descending; 2: ascending.
    TListeCategorie listerCategories(int ordre) const;
    // champ 1 nom, 2 codearticle, 3 description; mode 1 begins with, 2 contains, 3 equals.
    // '%' and '_' typed by the user act as wildcards; letter case is ignored.
    TListeArticles chercherArticles(int champ, int mode, const QString& texte) const;
    std::unique_ptr<TArticle> getArticleParCode(const QString& code) const;
    // An empty category (code 0) when none has that number.
    TCategorie getCategorieParCode(const QString& code) const;
    // sens 1 adds the quantity to the stock, 2 takes it out; true when an article changed.
    bool mouvementerStock(int sens, const QString& codeArticle, qint32 quantite) const;

    // --- Sales and supplies ---------------------------------------------------------
    bool insererVente(const TVente& vente) const;
    bool insererDetailVente(const TDetailVenteArt& ligne) const;
    bool insererApprovisionnement(const TApprovisionnment& approvisionnement) const;
    bool insererDetailApprov(const TDetailApprovArt& ligne) const;
    // type 1: supplies, 2: sales. The highest number in use, 0 for an empty table.
    qint64 prochainNumero(int type) const;
    // critere 0 number, 1 day ("yyyy/mm/dd"), 2 seller, 3 client, 11 period from `texte`
    // to `fin` (both "yyyy/mm/dd", both ends included).
    TListeVente chercherVentes(int critere, const QString& texte, const QString& fin = {}) const;
    bool changerClientVente(const QString& codeVente, const QString& codeClient) const;

    // Records a sale with its lines and their stock decreases in one transaction. The sale
    // takes the next free number, taken under the write lock, when the number it carries is
    // not that one (another workstation recorded meanwhile); its lines follow. Returns the
    // number used, or 0 for a sale without lines (nothing written). On error nothing of the
    // sale remains.
    qint64 enregistrerVente(TVente& vente) const;
    // The same for a supply and its stock increases.
    qint64 enregistrerApprovisionnement(TApprovisionnment& approvisionnement) const;

    // --- Clients and suppliers ------------------------------------------------------
    // critere 1 code begins, 2/3 nom begins/contains, 4/5 prenom, 6/7 telephone, 8 adresse contains.
    // Client 1 (the anonymous client) is never returned.
    TListeClient chercherClients(int critere, const QString& texte) const;
    bool insererClient(const TClient& client) const;
    bool modifierClient(const TClient& client, const QString& code) const;
    bool supprimerClient(const QString& code) const;
    qint64 getClientParNom(const QString& nom) const;
    bool transfererVentes(const QString& codeClient, const QString& nom) const;
    // Moves the client's sales to the anonymous client, then deletes the client, in one
    // transaction. True when the client was deleted.
    bool supprimerClientEtTransfererVentes(const QString& code) const;

    // The same criteria; the "NEANT" supplier is never returned.
    TListeFournisseur chercherFournisseurs(int critere, const QString& texte) const;
    bool insererFournisseur(const TFournisseur& fournisseur) const;
    bool modifierFournisseur(const TFournisseur& fournisseur, const QString& code) const;
    bool supprimerFournisseur(const QString& code) const;
    qint64 getFournisseurParNom(const QString& nom) const;
    bool transfererApprovisionnements(const QString& codeFournisseur, const QString& nom) const;
    // Moves the supplier's supplies to "NEANT", then deletes the supplier, in one transaction.
    bool supprimerFournisseurEtTransfererApprovisionnements(const QString& code) const;

    // --- Users, sessions, appearance ------------------------------------------------
    TListeUtilisateur chercherUtilisateurs(int critere, const QString& texte) const;
    TListeUtilisateur listerUtilisateurs(int critere, const QString& texte) const;
    // The user whose login equals `login` exactly, ignoring letter case and surrounding
    // blanks; '%' and '_' are ordinary characters here. None when no user has it.
    std::unique_ptr<TUtilisateur> getUtilisateurParLogin(const QString& login) const;
    bool insererUtilisateur(const TUtilisateur& utilisateur) const;
    bool modifierUtilisateur(const TUtilisateur& utilisateur, const QString& code) const;
    bool modifierMotDePasse(const QString& code, const QString& empreinte) const;
    bool supprimerUtilisateur(const QString& code) const;

    bool ouvrirSession(const TSession& session) const;
    bool fermerSession(const TSession& session) const;
    // Appends "-" + code to the journal of the session's row.
    bool journaliserAction(const TSession& session, const QString& codeAction) const;

    bool insererConfiguration(const TConfig_usr& configuration) const;
    bool modifierConfiguration(const TConfig_usr& configuration) const;
    std::unique_ptr<TConfig_usr> getConfiguration(const QString& codeUtilisateur) const;

private:
    TDataModule_TALVEX& m_module;
};

// A date as the day text "yyyy/mm/dd" of tb_vente.sdatevente.
QString dateEnTexte(const QDate& date);

} // namespace talvex
