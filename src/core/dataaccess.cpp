#include "core/dataaccess.h"

#include "core/datamodule.h"
#include "core/errors.h"
#include "core/plagescodes.h"

#include <QSqlQuery>

#include <limits>
#include <memory>
#include <optional>
#include <utility>

namespace talvex {

namespace {

// The placeholder rows that receive the sales and supplies of a deleted party.
const QString NOM_CLIENT_ANONYME = QStringLiteral("anonyme");
const QString NOM_FOURNISSEUR_NEANT = QStringLiteral("NEANT");

// Serialises the numbering of sales and supplies between workstations on PostgreSQL,
// whose BEGIN takes no lock (on SQLite, BEGIN IMMEDIATE already holds the write lock).
// One key for both, so that a sale and a supply moving the same articles never wait
// for each other in opposite orders.
constexpr qint64 VERROU_NUMEROTATION = 7340852;

enum class Forme { Debut, Contient, Egal };

// How a search selects its rows: not at all, by a text LIKE, by a LIKE on a number's
// decimal text, or by equality with a code.
enum class Filtre { Aucun, Texte, Nombre, Code };

struct Critere
{
    Filtre filtre = Filtre::Aucun;
    // The column searched; none: the table's key.
    const char* colonne = nullptr;
    Forme forme = Forme::Debut;
    // The text column ordered on before the key; none: the key alone.
    const char* tri = nullptr;
    bool descendant = false;
};

struct Table
{
    const char* nom;
    const char* cle;
    // The largest key the column can hold (article codes are 64-bit, other keys 32-bit).
    qint64 cleMaximale = std::numeric_limits<qint32>::max();
};

const Table TABLE_ARTICLE = {"tb_article", "codearticle", std::numeric_limits<qint64>::max()};
const Table TABLE_CATEGORIE = {"tb_categorie", "code"};
const Table TABLE_CLIENT = {"tb_client", "codeclient"};
const Table TABLE_FOURNISSEUR = {"tb_fournisseur", "codefournisseur"};
const Table TABLE_UTILISATEUR = {"tb_utilisateur", "codeutilisateur"};

QString latin1(const char* s)
{
    return QString::fromLatin1(s);
}

// The LIKE pattern of a search. '%' and '_' typed by the user stay wildcards; a backslash
// stays an ordinary character, which PostgreSQL's LIKE would otherwise read as an escape.
QString motif(const TDataModule_TALVEX& module, const QString& texteSaisi, Forme forme)
{
    const QString texte = module.texteLike(texteSaisi);
    switch (forme) {
    case Forme::Debut:
        return texte + QLatin1Char('%');
    case Forme::Contient:
        return QLatin1Char('%') + texte + QLatin1Char('%');
    case Forme::Egal:
        break;
    }
    return texte;
}

// A text column in an ORDER BY: the same order on both engines, by code points, with
// null values before every text (SQLite's rule).
QString triTexte(const TDataModule_TALVEX& module, const QString& colonne, bool descendant)
{
    const QString collation = module.moteur() == Moteur::PostgreSQL ? QStringLiteral(" COLLATE \"C\"") : QString();
    return colonne + collation + (descendant ? QStringLiteral(" DESC NULLS LAST") : QStringLiteral(" NULLS FIRST"));
}

struct Selection
{
    QString sql;
    QVariantList valeurs;
};

// A code search "begins with": one index range per length of code, read in order,
// where a LIKE on the codes' text would read the whole table.
std::optional<Selection> selectionParPlages(const Table& table, const QString& texte)
{
    const auto plages = plagesDuPrefixe(texte, table.cleMaximale);
    if (!plages)
        return std::nullopt;
    const QString partie
        = QStringLiteral("SELECT * FROM %1 WHERE %2 BETWEEN ? AND ?").arg(latin1(table.nom), latin1(table.cle));
    QStringList parties;
    QVariantList bornes;
    for (const PlageCodes& p : *plages) {
        parties << partie;
        bornes << p.debut << p.fin;
    }
    if (parties.isEmpty()) { // a prefix longer than any key: an empty range
        parties << partie;
        bornes << 1 << 0;
    }
    return Selection {parties.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY 1"), bornes};
}

// "SELECT * FROM table [WHERE (...)] ORDER BY [text column,] key": the key breaks ties so
// that both engines return equal rows in the same order.
Selection selection(const TDataModule_TALVEX& module, const Table& table, const Critere& critere, const QString& texte)
{
    Selection s {QStringLiteral("SELECT * FROM ") + latin1(table.nom), {}};
    const QString colonne = latin1(critere.colonne ? critere.colonne : table.cle);
    switch (critere.filtre) {
    case Filtre::Aucun:
        break;
    case Filtre::Texte:
        s.sql += QStringLiteral(" WHERE (") + module.like(colonne) + QLatin1Char(')');
        s.valeurs << motif(module, texte, critere.forme);
        break;
    case Filtre::Nombre:
        if (!critere.colonne && !critere.tri && critere.forme == Forme::Debut) {
            if (auto plages = selectionParPlages(table, texte))
                return std::move(*plages);
        }
        s.sql += QStringLiteral(" WHERE (") + module.likeNombre(colonne) + QLatin1Char(')');
        s.valeurs << motif(module, texte, critere.forme);
        break;
    case Filtre::Code:
        s.sql += QStringLiteral(" WHERE (") + colonne + QStringLiteral("=?)");
        s.valeurs << valeur::code(texte);
        break;
    }
    s.sql += QStringLiteral(" ORDER BY ");
    if (critere.tri)
        s.sql += triTexte(module, latin1(critere.tri), critere.descendant) + QStringLiteral(", ");
    s.sql += latin1(table.cle);
    return s;
}

// A criterion number looked up in a table of criteria; none when out of range.
template<std::size_t N>
const Critere* critereNumero(const Critere (&criteres)[N], int numero, int premier)
{
    const int i = numero - premier;
    if (i < 0 || i >= static_cast<int>(N))
        return nullptr;
    return &criteres[i];
}

template<typename Liste, typename Lecteur>
Liste lireListe(TDataModule_TALVEX& module, const Selection& s, Lecteur lire)
{
    Liste liste;
    module.lecturePartagee(s.sql, s.valeurs, [&liste, &lire](const QSqlQuery& q) {
        if (auto record = lire(q))
            liste.ajouter(std::move(record));
    });
    return liste;
}

template<typename Lecteur>
auto lirePremier(TDataModule_TALVEX& module, const QString& sql, const QVariantList& valeurs, Lecteur lire)
{
    decltype(lire(std::declval<const QSqlQuery&>())) premier {};
    module.lecturePartagee(sql, valeurs, [&premier, &lire](const QSqlQuery& q) {
        if (!premier)
            premier = lire(q);
    });
    return premier;
}

QString texte(const QSqlQuery& q, int position)
{
    return colonne::texte(q.value(position));
}

qint32 entier32(const QSqlQuery& q, int position)
{
    return static_cast<qint32>(colonne::entier(q.value(position)));
}

std::unique_ptr<TArticle> lireArticle(const QSqlQuery& q)
{
    auto a = std::make_unique<TArticle>();
    a->codearticle = texte(q, 0);
    a->nom = texte(q, 1);
    a->description = texte(q, 2);
    a->prixachat = colonne::reel(q.value(3));
    a->prixvente = colonne::reel(q.value(4));
    a->categorie = QString::number(colonne::entier(q.value(5)));
    a->datefab = colonne::date(q.value(6));
    a->dateexp = colonne::date(q.value(7));
    a->cantstock = entier32(q, 9);
    a->cantstockmin = entier32(q, 10);
    return a;
}

std::unique_ptr<TCategorie> lireCategorie(const QSqlQuery& q)
{
    auto c = std::make_unique<TCategorie>();
    c->code = entier32(q, 0);
    c->description = texte(q, 1);
    return c;
}

// Positions 1 to 4 of tb_client and tb_fournisseur.
void lirePersonne(const QSqlQuery& q, TPersonne& p)
{
    p.nom = texte(q, 1);
    p.prenom = texte(q, 2);
    p.adresse = texte(q, 3);
    p.telephone = texte(q, 4);
}

std::unique_ptr<TClient> lireClient(const QSqlQuery& q)
{
    auto c = std::make_unique<TClient>();
    c->codeclient = texte(q, 0);
    if (c->codeclient == QLatin1String("1"))
        return {}; // the anonymous client
    lirePersonne(q, *c);
    return c;
}

std::unique_ptr<TFournisseur> lireFournisseur(const QSqlQuery& q)
{
    if (texte(q, 1) == NOM_FOURNISSEUR_NEANT)
        return {}; // the placeholder supplier
    auto f = std::make_unique<TFournisseur>();
    f->codefournisseur = texte(q, 0);
    lirePersonne(q, *f);
    return f;
}

std::unique_ptr<TUtilisateur> lireUtilisateurSansPass(const QSqlQuery& q)
{
    auto u = std::make_unique<TUtilisateur>();
    u->codeutilisateur = texte(q, 0);
    u->nom = texte(q, 1);
    u->prenom = texte(q, 2);
    u->login = texte(q, 3);
    u->config = texte(q, 5);
    u->statut = texte(q, 6);
    return u;
}

std::unique_ptr<TUtilisateur> lireUtilisateur(const QSqlQuery& q)
{
    auto u = lireUtilisateurSansPass(q);
    u->pass = texte(q, 4);
    return u;
}

std::unique_ptr<TVente> lireVente(const QSqlQuery& q)
{
    auto v = std::make_unique<TVente>();
    v->codevente = texte(q, 0);
    v->montant = colonne::reel(q.value(2));
    v->codeutilisateur = texte(q, 3);
    v->codeclient = texte(q, 4);
    return v;
}

std::unique_ptr<TConfig_usr> lireConfiguration(const QSqlQuery& q)
{
    auto c = std::make_unique<TConfig_usr>();
    c->codeutil = texte(q, 0);
    c->apparence = texte(q, 1);
    c->droit1 = texte(q, 2);
    c->droit2 = texte(q, 3);
    return c;
}

// The supply date of a line, typed "dd/MM/yyyy" in the supply window.
QDate jourAffiche(const QString& texteDate)
{
    const QString t = texteDate.trimmed();
    for (const char* format : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, latin1(format));
        if (d.isValid())
            return d;
    }
    throw EConvertError(QStringLiteral("« %1 » n'est pas une date valide (jour/mois/année).").arg(texteDate));
}

// Converts every value of a sale or a supply before anything is written, so that a bad
// one stops the recording with nothing begun.
void verifier(const TVente& vente)
{
    valeur::code(vente.codeutilisateur);
    valeur::code(vente.codeclient);
    for (const auto& ligne : vente.lignes)
        valeur::code(ligne->codearticle);
}

void verifier(const TApprovisionnment& approvisionnement)
{
    valeur::code(approvisionnement.codeutilisateur);
    valeur::code(approvisionnement.codefournisseur);
    for (const auto& ligne : approvisionnement.lignes) {
        valeur::code(ligne->codearticle);
        jourAffiche(ligne->dateapprov);
    }
}

// The number of the sale (type 2) or supply (type 1) being recorded, taken inside its
// transaction and under the numbering lock.
qint64 numeroSuivant(TDataModule_TALVEX& module, const TAccesDonneesuite& acces, int type)
{
    static const QString VERROU = QStringLiteral("SELECT pg_advisory_xact_lock(?)");
    if (module.moteur() == Moteur::PostgreSQL)
        module.valeurUnique(VERROU, {VERROU_NUMEROTATION});
    return acces.prochainNumero(type) + 1;
}

} // namespace

TAccesDonneesuite::TAccesDonneesuite()
    : m_module(TDataModule_TALVEX::courant())
{
}

TAccesDonneesuite::TAccesDonneesuite(TDataModule_TALVEX& module)
    : m_module(module)
{
}

// --- Catalogue ----------------------------------------------------------------------

TListeCategorie TAccesDonneesuite::listerCategories(int ordre) const
{
    if (ordre != 1 && ordre != 2)
        return {};
    const Critere critere {Filtre::Aucun, nullptr, Forme::Debut, "description", ordre == 1};
    return lireListe<TListeCategorie>(m_module, selection(m_module, TABLE_CATEGORIE, critere, {}), lireCategorie);
}

TListeArticles TAccesDonneesuite::chercherArticles(int champ, int mode, const QString& texte) const
{
    static const Forme FORMES[] = {Forme::Debut, Forme::Contient, Forme::Egal};
    if (mode < 1 || mode > 3)
        return {};
    Critere critere;
    critere.forme = FORMES[mode - 1];
    switch (champ) {
    case 1:
        critere.filtre = Filtre::Texte;
        critere.colonne = critere.tri = "nom";
        break;
    case 2:
        critere.filtre = Filtre::Nombre;
        break;
    case 3:
        critere.filtre = Filtre::Texte;
        critere.colonne = critere.tri = "description";
        break;
    default:
        return {};
    }
    return lireListe<TListeArticles>(m_module, selection(m_module, TABLE_ARTICLE, critere, texte), lireArticle);
}

std::unique_ptr<TArticle> TAccesDonneesuite::getArticleParCode(const QString& code) const
{
    static const QString SQL = QStringLiteral("SELECT * FROM tb_article WHERE codearticle=?");
    return lirePremier(m_module, SQL, {valeur::code(code)}, lireArticle);
}

TCategorie TAccesDonneesuite::getCategorieParCode(const QString& code) const
{
    static const QString SQL = QStringLiteral("SELECT * FROM tb_categorie WHERE code=?");
    const auto categorie = lirePremier(m_module, SQL, {valeur::code(code)}, lireCategorie);
    return categorie ? *categorie : TCategorie {};
}

bool TAccesDonneesuite::mouvementerStock(int sens, const QString& codeArticle, qint32 quantite) const
{
    static const QString ENTREE = QStringLiteral("UPDATE tb_article SET cantstock=cantstock+? WHERE (codearticle=?)");
    static const QString SORTIE = QStringLiteral("UPDATE tb_article SET cantstock=cantstock-? WHERE (codearticle=?)");
    const qint64 code = valeur::code(codeArticle);
    if (sens != 1 && sens != 2)
        return false;
    return m_module.ecriturePartagee(sens == 1 ? ENTREE : SORTIE, {quantite, code});
}

// --- Sales and supplies -------------------------------------------------------------

bool TAccesDonneesuite::insererVente(const TVente& vente) const
{
    static const QString SQL = QStringLiteral(
        "INSERT INTO tb_vente(codevente,sdatevente,datevente,montant,codeutilisateur,codeclient,montant_paye,relicat) "
        "VALUES(?,?,?,?,?,?,?,?)");
    const QDate jour = vente.datevente.date();
    return m_module.ecriturePartagee(SQL,
                                     {valeur::code(vente.codevente),
                                      dateEnTexte(jour),
                                      valeur::jour(jour),
                                      vente.montant,
                                      valeur::code(vente.codeutilisateur),
                                      valeur::code(vente.codeclient),
                                      vente.montant_paye,
                                      vente.relicat});
}

bool TAccesDonneesuite::insererDetailVente(const TDetailVenteArt& ligne) const
{
    static const QString SQL = QStringLiteral(
        "INSERT INTO tb_detailvente_art(codearticle,codevente,cantart,prixventeunitaire) VALUES(?,?,?,?)");
    return m_module.ecriturePartagee(
        SQL, {valeur::code(ligne.codearticle), ligne.codevente, ligne.cantart, ligne.prixventeunitaire});
}

bool TAccesDonneesuite::insererApprovisionnement(const TApprovisionnment& approvisionnement) const
{
    static const QString SQL = QStringLiteral("INSERT INTO tb_approvisionnement(codeapprov,dateapprov,moutantapprov,"
                                              "codeutilsateur,codefournisseur) VALUES(?,?,?,?,?)");
    return m_module.ecriturePartagee(SQL,
                                     {valeur::code(approvisionnement.codeapprov),
                                      valeur::jour(approvisionnement.dateapprov.date()),
                                      approvisionnement.moutantapprov,
                                      valeur::code(approvisionnement.codeutilisateur),
                                      valeur::code(approvisionnement.codefournisseur)});
}

bool TAccesDonneesuite::insererDetailApprov(const TDetailApprovArt& ligne) const
{
    static const QString SQL = QStringLiteral("INSERT INTO tb_detailapprov_art (codeapprov,codearticle,"
                                              "prixachatunitaire,dateapprov,cantapprov) VALUES(?,?,?,?,?)");
    const qint64 approvisionnement = valeur::code(ligne.codeapprov);
    const qint64 article = valeur::code(ligne.codearticle);
    const QVariant jour = valeur::jour(jourAffiche(ligne.dateapprov));
    return m_module.ecriturePartagee(SQL,
                                     {approvisionnement, article, ligne.prixachatunitaire, jour, ligne.cantapprov});
}

qint64 TAccesDonneesuite::prochainNumero(int type) const
{
    static const QString APPROVISIONNEMENTS = QStringLiteral("SELECT MAX(codeapprov) FROM tb_approvisionnement");
    static const QString VENTES = QStringLiteral("SELECT MAX(codevente) FROM tb_vente");
    if (type != 1 && type != 2)
        return 0;
    return colonne::entier(m_module.valeurUnique(type == 1 ? APPROVISIONNEMENTS : VENTES));
}

TListeVente TAccesDonneesuite::chercherVentes(int critere, const QString& texte, const QString& fin) const
{
    static const QString DEBUT = QStringLiteral("SELECT * FROM tb_vente WHERE (");
    static const QString PAR_NUMERO = DEBUT + QStringLiteral("codevente=?) ORDER BY codevente DESC");
    static const QString PAR_JOUR = DEBUT + QStringLiteral("sdatevente=?) ORDER BY codevente DESC");
    static const QString PAR_VENDEUR = DEBUT + QStringLiteral("codeutilisateur=?) ORDER BY codevente DESC");
    static const QString PAR_CLIENT
        = DEBUT + QStringLiteral("codeclient=?) ORDER BY datevente DESC NULLS LAST, codevente DESC");
    static const QString PAR_PERIODE = DEBUT + QStringLiteral("sdatevente BETWEEN ? AND ?) ORDER BY codevente DESC");
    Selection s;
    switch (critere) {
    case 0:
        s = {PAR_NUMERO, {valeur::code(texte)}};
        break;
    case 1:
        s = {PAR_JOUR, {texte}};
        break;
    case 2:
        s = {PAR_VENDEUR, {valeur::code(texte)}};
        break;
    case 3:
        s = {PAR_CLIENT, {valeur::code(texte)}};
        break;
    case 11:
        s = {PAR_PERIODE, {texte, fin}};
        break;
    default:
        return {};
    }
    return lireListe<TListeVente>(m_module, s, lireVente);
}

bool TAccesDonneesuite::changerClientVente(const QString& codeVente, const QString& codeClient) const
{
    static const QString SQL = QStringLiteral("UPDATE tb_vente SET codeclient=? WHERE codevente=?");
    const qint64 vente = valeur::code(codeVente);
    return m_module.ecriturePartagee(SQL, {valeur::code(codeClient), vente});
}

qint64 TAccesDonneesuite::enregistrerVente(TVente& vente) const
{
    if (vente.lignes.estVide())
        return 0;
    verifier(vente);
    Transaction transaction(m_module);
    const qint64 numero = numeroSuivant(m_module, *this, 2);
    const QString texteNumero = QString::number(numero);
    if (vente.codevente != texteNumero)
        vente.codevente = texteNumero;
    // The lines always follow their sale's number, whatever they carried.
    for (const auto& ligne : vente.lignes)
        ligne->codevente = static_cast<qint32>(numero);
    insererVente(vente);
    for (const auto& ligne : vente.lignes) {
        insererDetailVente(*ligne);
        mouvementerStock(2, ligne->codearticle, ligne->cantart);
    }
    transaction.valider();
    return numero;
}

qint64 TAccesDonneesuite::enregistrerApprovisionnement(TApprovisionnment& approvisionnement) const
{
    if (approvisionnement.lignes.estVide())
        return 0;
    verifier(approvisionnement);
    Transaction transaction(m_module);
    const qint64 numero = numeroSuivant(m_module, *this, 1);
    const QString texteNumero = QString::number(numero);
    approvisionnement.codeapprov = texteNumero;
    for (const auto& ligne : approvisionnement.lignes)
        ligne->codeapprov = texteNumero;
    insererApprovisionnement(approvisionnement);
    for (const auto& ligne : approvisionnement.lignes) {
        insererDetailApprov(*ligne);
        mouvementerStock(1, ligne->codearticle, ligne->cantapprov);
    }
    transaction.valider();
    return numero;
}

// --- Clients and suppliers ----------------------------------------------------------

namespace {

// Criteria 1 to 8 of the client and supplier searches.
const Critere CRITERES_PERSONNES[] = {
    {Filtre::Nombre, nullptr, Forme::Debut},
    {Filtre::Texte, "nom", Forme::Debut, "nom"},
    {Filtre::Texte, "nom", Forme::Contient, "nom"},
    {Filtre::Texte, "prenom", Forme::Debut, "prenom"},
    {Filtre::Texte, "prenom", Forme::Contient, "prenom"},
    {Filtre::Texte, "telephone", Forme::Debut, "telephone"},
    {Filtre::Texte, "telephone", Forme::Contient, "telephone"},
    {Filtre::Texte, "adresse", Forme::Contient, "adresse"},
};

// A kind of party and the movements attached to it: clients with their sales, suppliers
// with their supplies. A deleted party's movements go to its placeholder row.
struct Partie
{
    Table table;
    QString supprimer;
    QString parNom;
    QString transferer;
    QString nomAttente;
};

Partie definirPartie(const Table& table, const char* mouvements, const QString& nomAttente)
{
    const QString nom = latin1(table.nom);
    const QString cle = latin1(table.cle);
    return {table,
            QStringLiteral("DELETE FROM %1 WHERE (%2=?)").arg(nom, cle),
            QStringLiteral("SELECT %2 FROM %1 WHERE nom=? AND prenom=? ORDER BY %2").arg(nom, cle),
            QStringLiteral("UPDATE %1 SET %2=? WHERE %2=?").arg(latin1(mouvements), cle),
            nomAttente};
}

const Partie& clients()
{
    static const Partie p = definirPartie(TABLE_CLIENT, "tb_vente", NOM_CLIENT_ANONYME);
    return p;
}

const Partie& fournisseurs()
{
    static const Partie p = definirPartie(TABLE_FOURNISSEUR, "tb_approvisionnement", NOM_FOURNISSEUR_NEANT);
    return p;
}

template<typename Liste, typename Lecteur>
Liste chercherPersonnes(TDataModule_TALVEX& module, const Partie& p, int critere, const QString& texte, Lecteur lire)
{
    const Critere* c = critereNumero(CRITERES_PERSONNES, critere, 1);
    if (!c)
        return {};
    return lireListe<Liste>(module, selection(module, p.table, *c, texte), lire);
}

// nom, prenom, adresse, telephone: the values every write of a party starts with.
QVariantList valeursPersonne(const TPersonne& p)
{
    return {p.nom, p.prenom, p.adresse, p.telephone};
}

bool supprimerPartie(TDataModule_TALVEX& module, const Partie& p, const QString& code)
{
    return module.ecriturePartagee(p.supprimer, {valeur::code(code)});
}

qint64 numeroParNom(TDataModule_TALVEX& module, const Partie& p, const QString& nom)
{
    return colonne::entier(module.valeurUnique(p.parNom, {nom, nom}));
}

bool transfererMouvements(TDataModule_TALVEX& module, const Partie& p, const QString& code, const QString& nom)
{
    const qint64 ancien = valeur::code(code);
    return module.ecriturePartagee(p.transferer, {numeroParNom(module, p, nom), ancien});
}

bool supprimerEtTransferer(TDataModule_TALVEX& module, const Partie& p, const QString& code)
{
    const qint64 numero = valeur::code(code);
    Transaction transaction(module);
    // The placeholder row receives the others' movements: without it, or to delete it,
    // the movements would be orphaned.
    const qint64 attente = numeroParNom(module, p, p.nomAttente);
    if (attente == 0 || numero == attente)
        return false;
    transfererMouvements(module, p, code, p.nomAttente);
    const bool supprime = supprimerPartie(module, p, code);
    transaction.valider();
    return supprime;
}

} // namespace

TListeClient TAccesDonneesuite::chercherClients(int critere, const QString& texte) const
{
    return chercherPersonnes<TListeClient>(m_module, clients(), critere, texte, lireClient);
}

bool TAccesDonneesuite::insererClient(const TClient& client) const
{
    static const QString SQL
        = QStringLiteral("INSERT INTO tb_client(nom,prenom,adresse,telephone,achat_acc) VALUES(?,?,?,?,?)");
    return m_module.ecriturePartagee(SQL, valeursPersonne(client) << client.achat_acc);
}

bool TAccesDonneesuite::modifierClient(const TClient& client, const QString& code) const
{
    static const QString SQL = QStringLiteral("UPDATE tb_client SET nom=?,prenom=?,adresse=?,telephone=?,"
                                              "achat_acc=COALESCE(achat_acc,0)+? WHERE (codeclient=?)");
    const qint64 numero = valeur::code(code);
    return m_module.ecriturePartagee(SQL, valeursPersonne(client) << client.achat_acc << numero);
}

bool TAccesDonneesuite::supprimerClient(const QString& code) const
{
    return supprimerPartie(m_module, clients(), code);
}

qint64 TAccesDonneesuite::getClientParNom(const QString& nom) const
{
    return numeroParNom(m_module, clients(), nom);
}

bool TAccesDonneesuite::transfererVentes(const QString& codeClient, const QString& nom) const
{
    return transfererMouvements(m_module, clients(), codeClient, nom);
}

bool TAccesDonneesuite::supprimerClientEtTransfererVentes(const QString& code) const
{
    return supprimerEtTransferer(m_module, clients(), code);
}

TListeFournisseur TAccesDonneesuite::chercherFournisseurs(int critere, const QString& texte) const
{
    return chercherPersonnes<TListeFournisseur>(m_module, fournisseurs(), critere, texte, lireFournisseur);
}

bool TAccesDonneesuite::insererFournisseur(const TFournisseur& fournisseur) const
{
    static const QString SQL
        = QStringLiteral("INSERT INTO tb_fournisseur(nom,prenom,adresse,telephone) VALUES(?,?,?,?)");
    return m_module.ecriturePartagee(SQL, valeursPersonne(fournisseur));
}

bool TAccesDonneesuite::modifierFournisseur(const TFournisseur& fournisseur, const QString& code) const
{
    static const QString SQL
        = QStringLiteral("UPDATE tb_fournisseur SET nom=?,prenom=?,adresse=?,telephone=? WHERE (codefournisseur=?)");
    const qint64 numero = valeur::code(code);
    return m_module.ecriturePartagee(SQL, valeursPersonne(fournisseur) << numero);
}

bool TAccesDonneesuite::supprimerFournisseur(const QString& code) const
{
    return supprimerPartie(m_module, fournisseurs(), code);
}

qint64 TAccesDonneesuite::getFournisseurParNom(const QString& nom) const
{
    return numeroParNom(m_module, fournisseurs(), nom);
}

bool TAccesDonneesuite::transfererApprovisionnements(const QString& codeFournisseur, const QString& nom) const
{
    return transfererMouvements(m_module, fournisseurs(), codeFournisseur, nom);
}

bool TAccesDonneesuite::supprimerFournisseurEtTransfererApprovisionnements(const QString& code) const
{
    return supprimerEtTransferer(m_module, fournisseurs(), code);
}

// --- Users, sessions, appearance ----------------------------------------------------

namespace {

// chercherUtilisateurs, criteria 0 to 10, by user number.
const Critere CRITERES_CHERCHER_UTILISATEURS[] = {
    {Filtre::Code},
    {Filtre::Texte, "nom", Forme::Debut},
    {Filtre::Texte, "nom", Forme::Contient},
    {Filtre::Texte, "nom", Forme::Egal},
    {Filtre::Texte, "prenom", Forme::Debut},
    {Filtre::Texte, "prenom", Forme::Contient},
    {Filtre::Texte, "prenom", Forme::Egal},
    {Filtre::Texte, "login", Forme::Debut},
    {Filtre::Texte, "login", Forme::Contient},
    {Filtre::Texte, "login", Forme::Egal},
    {Filtre::Aucun},
};

// listerUtilisateurs, criteria 0 to 10.
const Critere CRITERES_LISTER_UTILISATEURS[] = {
    {Filtre::Aucun},
    {Filtre::Nombre, nullptr, Forme::Debut},
    {Filtre::Texte, "nom", Forme::Debut, "nom"},
    {Filtre::Texte, "nom", Forme::Contient, "nom"},
    {Filtre::Texte, "nom", Forme::Egal},
    {Filtre::Texte, "prenom", Forme::Debut, "prenom"},
    {Filtre::Texte, "prenom", Forme::Contient, "prenom"},
    {Filtre::Texte, "prenom", Forme::Egal, "prenom"},
    {Filtre::Texte, "login", Forme::Debut, "login"},
    {Filtre::Texte, "login", Forme::Contient, "login"},
    {Filtre::Texte, "login", Forme::Egal, "login"},
};

// A text matched literally by LIKE ... ESCAPE '\'.
QString litteral(QString texte)
{
    texte.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    texte.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    texte.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return texte;
}

} // namespace

TListeUtilisateur TAccesDonneesuite::chercherUtilisateurs(int critere, const QString& texte) const
{
    const Critere* c = critereNumero(CRITERES_CHERCHER_UTILISATEURS, critere, 0);
    if (!c)
        return {};
    return lireListe<TListeUtilisateur>(m_module, selection(m_module, TABLE_UTILISATEUR, *c, texte), lireUtilisateur);
}

TListeUtilisateur TAccesDonneesuite::listerUtilisateurs(int critere, const QString& texte) const
{
    const Critere* c = critereNumero(CRITERES_LISTER_UTILISATEURS, critere, 0);
    if (!c)
        return {};
    return lireListe<TListeUtilisateur>(
        m_module, selection(m_module, TABLE_UTILISATEUR, *c, texte), lireUtilisateurSansPass);
}

std::unique_ptr<TUtilisateur> TAccesDonneesuite::getUtilisateurParLogin(const QString& login) const
{
    static const QString SQLITE = QStringLiteral(
        "SELECT * FROM tb_utilisateur WHERE (TRIM(login) LIKE ? ESCAPE '\\') ORDER BY codeutilisateur");
    static const QString POSTGRESQL = QStringLiteral(
        "SELECT * FROM tb_utilisateur WHERE (TRIM(login) ILIKE ? ESCAPE '\\') ORDER BY codeutilisateur");
    const QString& sql = m_module.moteur() == Moteur::PostgreSQL ? POSTGRESQL : SQLITE;
    return lirePremier(m_module, sql, {litteral(login.trimmed())}, lireUtilisateur);
}

bool TAccesDonneesuite::insererUtilisateur(const TUtilisateur& utilisateur) const
{
    static const QString SQL
        = QStringLiteral("INSERT INTO tb_utilisateur(nom,prenom,login,pass,config) VALUES(?,?,?,?,?)");
    const qint64 config = valeur::code(utilisateur.config);
    return m_module.ecriturePartagee(
        SQL, {utilisateur.nom, utilisateur.prenom, utilisateur.login, utilisateur.pass, config});
}

bool TAccesDonneesuite::modifierUtilisateur(const TUtilisateur& utilisateur, const QString& code) const
{
    static const QString SQL = QStringLiteral(
        "UPDATE tb_utilisateur SET nom=?,prenom=?,login=?,statut=?,config=? WHERE (codeutilisateur=?)");
    const qint64 config = valeur::code(utilisateur.config);
    const qint64 numero = valeur::code(code);
    return m_module.ecriturePartagee(
        SQL, {utilisateur.nom, utilisateur.prenom, utilisateur.login, utilisateur.statut, config, numero});
}

bool TAccesDonneesuite::modifierMotDePasse(const QString& code, const QString& empreinte) const
{
    static const QString SQL = QStringLiteral("UPDATE tb_utilisateur SET pass=? WHERE (codeutilisateur=?)");
    const qint64 numero = valeur::code(code);
    return m_module.ecriturePartagee(SQL, {empreinte, numero});
}

bool TAccesDonneesuite::supprimerUtilisateur(const QString& code) const
{
    static const QString SQL = QStringLiteral("DELETE FROM tb_utilisateur WHERE (codeutilisateur=?)");
    return m_module.ecriturePartagee(SQL, {valeur::code(code)});
}

bool TAccesDonneesuite::ouvrirSession(const TSession& session) const
{
    static const QString SQL = QStringLiteral("INSERT INTO tb_session (datein,codeutil,incident) VALUES(?,?,?)");
    const qint64 utilisateur = valeur::code(session.codeutil);
    return m_module.ecriturePartagee(SQL, {valeur::instant(session.datein), utilisateur, QString(QLatin1String(""))});
}

bool TAccesDonneesuite::fermerSession(const TSession& session) const
{
    static const QString SQL = QStringLiteral("UPDATE tb_session SET dateout=? WHERE (datein=? AND codeutil=?)");
    const qint64 utilisateur = valeur::code(session.codeutil);
    return m_module.ecriturePartagee(SQL,
                                     {valeur::instant(session.dateout), valeur::instant(session.datein), utilisateur});
}

bool TAccesDonneesuite::journaliserAction(const TSession& session, const QString& codeAction) const
{
    static const QString SQL
        = QStringLiteral("UPDATE tb_session SET incident=COALESCE(incident,'')||? WHERE (datein=? AND codeutil=?)");
    const qint64 utilisateur = valeur::code(session.codeutil);
    return m_module.ecriturePartagee(SQL,
                                     {QLatin1Char('-') + codeAction, valeur::instant(session.datein), utilisateur});
}

bool TAccesDonneesuite::insererConfiguration(const TConfig_usr& configuration) const
{
    static const QString SQL = QStringLiteral("INSERT INTO tb_configuration(codeutil,apparence) VALUES(?,?)");
    const qint64 utilisateur = valeur::code(configuration.codeutil);
    return m_module.ecriturePartagee(SQL, {utilisateur, configuration.apparence});
}

bool TAccesDonneesuite::modifierConfiguration(const TConfig_usr& configuration) const
{
    static const QString SQL
        = QStringLiteral("UPDATE tb_configuration SET apparence=?,droit1=?,droit2=? WHERE (codeutil=?)");
    const qint64 utilisateur = valeur::code(configuration.codeutil);
    return m_module.ecriturePartagee(
        SQL, {configuration.apparence, configuration.droit1, configuration.droit2, utilisateur});
}

std::unique_ptr<TConfig_usr> TAccesDonneesuite::getConfiguration(const QString& codeUtilisateur) const
{
    static const QString SQL = QStringLiteral("SELECT * FROM tb_configuration WHERE (codeutil=?)");
    return lirePremier(m_module, SQL, {valeur::code(codeUtilisateur)}, lireConfiguration);
}

QString dateEnTexte(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace talvex
