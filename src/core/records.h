#pragma once

#include "core/seqlist.h"

#include <QDateTime>
#include <QString>

// The business records that travel between the windows and the data access. Codes that
// are numbers in the database travel as their decimal text; amounts are doubles in FCFA.
namespace talvex {

struct TCategorie
{
    qint32 code = 0;
    QString description;
};

struct TArticle
{
    QString codearticle;
    QString nom;
    QString description;
    double prixachat = 0;
    double prixvente = 0;
    QString categorie;
    QDateTime datefab;
    QDateTime dateexp;
    qint32 cantstock = 0;
    qint32 cantstockmin = 0;
};

struct TPersonne
{
    QString nom;
    QString prenom;
    QString adresse;
    QString telephone;
};

struct TClient : TPersonne
{
    QString codeclient;
    // Amount added to the client's accumulated purchases when the record is written.
    double achat_acc = 0;
};

struct TFournisseur : TPersonne
{
    QString codefournisseur;
};

struct TUtilisateur : TPersonne
{
    QString codeutilisateur;
    QString login;
    QString pass;
    QString config;
    QString statut;
};

struct TSession
{
    QDateTime datein;
    QDateTime dateout;
    QString codeutil;
};

struct TDetailVenteArt
{
    qint32 codevente = 0;
    QString codearticle;
    qint32 cantart = 0;
    double prixventeunitaire = 0;
};

struct TDetailApprovArt
{
    QString codeapprov;
    QString codearticle;
    double prixachatunitaire = 0;
    // The supply date as shown in the supply window (day/month/year).
    QString dateapprov;
    qint32 cantapprov = 0;
};

using TListeCategorie = TSpecialSeqList<TCategorie>;
using TListeArticles = TSpecialSeqList<TArticle>;
using TListeClient = TSpecialSeqList<TClient>;
using TListeFournisseur = TSpecialSeqList<TFournisseur>;
using TListeUtilisateur = TSpecialSeqList<TUtilisateur>;
using TListeDetailVenteArt = TSpecialSeqList<TDetailVenteArt>;
using TListeDetailApprovArt = TSpecialSeqList<TDetailApprovArt>;

struct TVente
{
    QString codevente;
    QDateTime datevente;
    QString codeutilisateur;
    double montant = 0;
    TListeDetailVenteArt lignes;
    QString codeclient;
    double montant_paye = 0;
    double relicat = 0;

    // Adds the lines' amounts to `montant` (called once on a fresh record).
    void calculerMontant();
};

struct TApprovisionnment
{
    QString codeapprov;
    QDateTime dateapprov;
    QString codeutilisateur;
    double moutantapprov = 0;
    QString codefournisseur;
    TListeDetailApprovArt lignes;

    void calculerMontant();
};

using TListeVente = TSpecialSeqList<TVente>;

struct TConfig_usr
{
    QString codeutil;
    QString apparence;
    QString droit1;
    QString droit2;
};

struct TSociete
{
    QString nom = QStringLiteral("QRV NORD");
    QString slogan = QStringLiteral("La qualité au meilleur prix");
    QString adresse;
    QString telephone;
    QString fax;
    QString siteweb = QStringLiteral("www.qrvnord.com");
    QString email = QStringLiteral("contact@qrvnord.com");
    quint8 premierDemarrage = 1;
};

} // namespace talvex
