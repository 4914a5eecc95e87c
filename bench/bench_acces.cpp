// Speed of the data access on a generated shop of realistic size.
//   talvex_bench [--boutique=DIR] [Google Benchmark options]
// The shop is built in DIR (default "boutique" under the working directory) when missing;
// the measures run on a fresh copy of it ("travail.db"), so that every run starts from the
// same data. The last lines printed compare each figure with its target.
#include "bilan.h"
#include "boutique.h"

#include "core/dataaccess.h"
#include "core/datamodule.h"
#include "core/statistiques.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace talvex;
using bench::Cible;

constexpr int LIGNES_PAR_VENTE = 10;
constexpr int VENTES_PRETES = 64;

struct ArticleEchantillon
{
    qint64 code;
    double prix;
};

class VenteMoteur;

// What every measure shares: the working copy of the shop, the program's data module on
// it, and articles, days and texts taken from it.
struct Contexte
{
    Contexte();
    ~Contexte();
    QString base;
    std::unique_ptr<TDataModule_TALVEX> module;
    // The engine alone, on its own copy of the shop.
    std::unique_ptr<VenteMoteur> moteur;
    std::vector<ArticleEchantillon> articles;
    std::vector<QString> codes;
    QString jour = QStringLiteral("2024/06/15");
    QString premierDuMois = QStringLiteral("2024/06/01");
    // The last day of a month as the statistics write it (text bounds, see statistiques.h).
    QString dernierDuMois = QStringLiteral("2024/06/30");
};

Contexte* g_contexte = nullptr;

Contexte& contexte()
{
    return *g_contexte;
}

void copierBase(const QString& source, const QString& cible)
{
    for (const char* suffixe : {"", "-wal", "-shm"})
        QFile::remove(cible + QString::fromLatin1(suffixe));
    if (!QFile::copy(source, cible))
        throw std::runtime_error("copie impossible vers " + cible.toStdString());
}

void lireEchantillons(Contexte& c)
{
    // One article in 97, spread over the whole range of codes (bar codes and short codes).
    c.module->lecturePartagee(
        QStringLiteral("SELECT codearticle, prixventeunitaire FROM tb_article WHERE codearticle % 97 = 0 "
                       "ORDER BY codearticle"),
        {},
        [&c](const QSqlQuery& q) {
            c.articles.push_back({colonne::entier(q.value(0)), colonne::reel(q.value(1))});
        });
    if (c.articles.size() < 1000)
        throw std::runtime_error("boutique trop petite");
    // Mixed order, so that consecutive lookups do not hit neighbouring pages.
    for (std::size_t i = 0; i < c.articles.size(); i += 7)
        c.codes.push_back(QString::number(c.articles[i].code));
    for (std::size_t i = 1; i < c.codes.size(); i += 2)
        std::swap(c.codes[i], c.codes[c.codes.size() - i]);
}

// --- Recording a sale ------------------------------------------------------------------

int quantiteDeLigne(int ligne)
{
    return 1 + ligne % 3;
}

const ArticleEchantillon& articleDeVente(int vente, int ligne)
{
    const auto& articles = contexte().articles;
    return articles[static_cast<std::size_t>(vente * 31 + ligne * 211) % articles.size()];
}

std::vector<TVente> ventesPretes()
{
    std::vector<TVente> ventes(VENTES_PRETES);
    for (int v = 0; v < VENTES_PRETES; ++v) {
        TVente& vente = ventes[static_cast<std::size_t>(v)];
        vente.datevente = QDateTime(QDate(2025, 1, 2), QTime(0, 0));
        vente.codeutilisateur = QStringLiteral("8");
        vente.codeclient = QStringLiteral("1");
        for (int l = 0; l < LIGNES_PAR_VENTE; ++l) {
            auto ligne = std::make_unique<TDetailVenteArt>();
            ligne->codearticle = QString::number(articleDeVente(v, l).code);
            ligne->cantart = quantiteDeLigne(l);
            ligne->prixventeunitaire = articleDeVente(v, l).prix;
            vente.lignes.ajouter(std::move(ligne));
        }
        vente.calculerMontant();
        vente.montant_paye = std::ceil(vente.montant / 500.0) * 500.0;
        vente.relicat = vente.montant_paye - vente.montant;
    }
    return ventes;
}

void BM_EnregistrerVente(benchmark::State& state)
{
    std::vector<TVente> ventes = ventesPretes();
    const TAccesDonneesuite acces(*contexte().module);
    qint64 numero = acces.prochainNumero(2);
    std::size_t i = 0;
    for (auto _ : state) {
        TVente& vente = ventes[i++ % ventes.size()];
        // The number the sale window would show: the next one.
        vente.codevente = QString::number(numero + 1);
        numero = acces.enregistrerVente(vente);
        benchmark::DoNotOptimize(numero);
    }
    if (numero <= 0)
        state.SkipWithError("vente non enregistrée");
}

// The SQLite C API on its own connection to the same file, with the data module's settings:
// the least the engine needs to record the same sale.
class ConnexionBrute
{
public:
    explicit ConnexionBrute(const QString& chemin)
    {
        if (sqlite3_open_v2(chemin.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        sqlite3_busy_timeout(m_db, 15000);
        executer("PRAGMA journal_mode=WAL");
        executer("PRAGMA synchronous=NORMAL");
    }
    ConnexionBrute(const ConnexionBrute&) = delete;
    ConnexionBrute& operator=(const ConnexionBrute&) = delete;
    ~ConnexionBrute()
    {
        for (sqlite3_stmt* st : m_instructions)
            sqlite3_finalize(st);
        sqlite3_close(m_db);
    }
    void executer(const char* sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }
    sqlite3_stmt* preparer(const char* sql)
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        m_instructions.push_back(st);
        return st;
    }
    // Runs a prepared statement to its end; the first column of its last row.
    qint64 pas(sqlite3_stmt* st)
    {
        qint64 valeur = 0;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            valeur = sqlite3_column_int64(st, 0);
        sqlite3_reset(st);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        return valeur;
    }

private:
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_instructions;
};

// The same sale through the SQLite C API alone, on its own copy of the shop (so that neither
// connection finds its page cache outdated by the other's writes): BEGIN IMMEDIATE, the
// highest number, the sale, 10 x (line, stock decrease), COMMIT, statements prepared once.
class VenteMoteur
{
public:
    explicit VenteMoteur(const QString& chemin)
        : m_c(chemin)
        , m_debut(m_c.preparer("BEGIN IMMEDIATE"))
        , m_fin(m_c.preparer("COMMIT"))
        , m_numero(m_c.preparer("SELECT MAX(codevente) FROM tb_vente"))
        , m_vente(m_c.preparer("INSERT INTO tb_vente(codevente,sdatevente,datevente,montant,codeutilisateur,"
                               "codeclient,montant_paye,relicat) VALUES(?,?,?,?,?,?,?,?)"))
        , m_ligne(m_c.preparer(
              "INSERT INTO tb_detailvente_art(codearticle,codevente,cantart,prixventeunitaire) VALUES(?,?,?,?)"))
        , m_stock(m_c.preparer("UPDATE tb_article SET cantstock=cantstock-? WHERE (codearticle=?)"))
    {
    }

    ConnexionBrute& connexion() { return m_c; }

    // Records the v-th prepared sale; returns its number.
    qint64 enregistrer(int v)
    {
        m_c.pas(m_debut);
        const qint64 n = m_c.pas(m_numero) + 1;
        double montant = 0;
        for (int l = 0; l < LIGNES_PAR_VENTE; ++l)
            montant += quantiteDeLigne(l) * articleDeVente(v, l).prix;
        const double paye = std::ceil(montant / 500.0) * 500.0;
        sqlite3_bind_int64(m_vente, 1, n);
        sqlite3_bind_text(m_vente, 2, "2025/01/02", -1, SQLITE_STATIC);
        sqlite3_bind_text(m_vente, 3, "2025-01-02 00:00:00", -1, SQLITE_STATIC);
        sqlite3_bind_double(m_vente, 4, montant);
        sqlite3_bind_int64(m_vente, 5, 8);
        sqlite3_bind_int64(m_vente, 6, 1);
        sqlite3_bind_double(m_vente, 7, paye);
        sqlite3_bind_double(m_vente, 8, paye - montant);
        m_c.pas(m_vente);
        for (int l = 0; l < LIGNES_PAR_VENTE; ++l) {
            const ArticleEchantillon& a = articleDeVente(v, l);
            sqlite3_bind_int64(m_ligne, 1, a.code);
            sqlite3_bind_int64(m_ligne, 2, n);
            sqlite3_bind_int(m_ligne, 3, quantiteDeLigne(l));
            sqlite3_bind_double(m_ligne, 4, a.prix);
            m_c.pas(m_ligne);
            sqlite3_bind_int(m_stock, 1, quantiteDeLigne(l));
            sqlite3_bind_int64(m_stock, 2, a.code);
            m_c.pas(m_stock);
        }
        m_c.pas(m_fin);
        return n;
    }

private:
    ConnexionBrute m_c;
    sqlite3_stmt* m_debut;
    sqlite3_stmt* m_fin;
    sqlite3_stmt* m_numero;
    sqlite3_stmt* m_vente;
    sqlite3_stmt* m_ligne;
    sqlite3_stmt* m_stock;
};

Contexte::Contexte() = default;
Contexte::~Contexte() = default;

void BM_EnregistrerVenteMoteur(benchmark::State& state)
{
    int v = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(contexte().moteur->enregistrer(v));
        v = (v + 1) % VENTES_PRETES;
    }
}

// Both recordings in turn, each timed on its own: a load that comes and goes on the machine
// weighs on both alike. The counter "rapport" is the median of the pairs' ratios.
void BM_RapportApparie(benchmark::State& state)
{
    using Horloge = std::chrono::steady_clock;
    std::vector<TVente> ventes = ventesPretes();
    const TAccesDonneesuite acces(*contexte().module);
    qint64 numero = acces.prochainNumero(2);
    std::vector<double> rapports;
    double programme = 0;
    double moteur = 0;
    int v = 0;
    for (auto _ : state) {
        TVente& vente = ventes[static_cast<std::size_t>(v)];
        vente.codevente = QString::number(numero + 1);
        const auto t0 = Horloge::now();
        numero = acces.enregistrerVente(vente);
        const auto t1 = Horloge::now();
        contexte().moteur->enregistrer(v);
        const auto t2 = Horloge::now();
        const double a = std::chrono::duration<double>(t1 - t0).count();
        const double b = std::chrono::duration<double>(t2 - t1).count();
        programme += a;
        moteur += b;
        rapports.push_back(a / b);
        v = (v + 1) % VENTES_PRETES;
    }
    if (rapports.empty())
        return;
    std::nth_element(rapports.begin(), rapports.begin() + static_cast<long>(rapports.size() / 2), rapports.end());
    state.counters["rapport"] = rapports[rapports.size() / 2];
    state.counters["programme_us"] = programme / static_cast<double>(rapports.size()) * 1e6;
    state.counters["moteur_us"] = moteur / static_cast<double>(rapports.size()) * 1e6;
}

// --- Lookups ----------------------------------------------------------------------------

void BM_GetArticleParCode(benchmark::State& state)
{
    const TAccesDonneesuite acces(*contexte().module);
    const auto& codes = contexte().codes;
    std::size_t i = 0;
    for (auto _ : state) {
        auto article = acces.getArticleParCode(codes[i++ % codes.size()]);
        if (!article) {
            state.SkipWithError("article introuvable");
            break;
        }
        benchmark::DoNotOptimize(article);
    }
}

void BM_ProchainNumero(benchmark::State& state)
{
    const TAccesDonneesuite acces(*contexte().module);
    const int type = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(acces.prochainNumero(type));
    state.SetLabel(type == 2 ? "ventes" : "approvisionnements");
}

template<typename Liste>
void recherche(benchmark::State& state, const std::function<Liste()>& chercher)
{
    int trouves = 0;
    for (auto _ : state) {
        Liste liste = chercher();
        trouves = liste.nombre();
        benchmark::DoNotOptimize(liste);
    }
    state.counters[QStringLiteral("lignes").toStdString()] = trouves;
}

void enregistrerRecherchesArticles()
{
    struct Cas
    {
        const char* nom;
        int champ;
        int mode;
        const char* texte;
    };
    // Texts a cashier types: a few letters of a name, the first digits of a bar code.
    static const Cas CAS[] = {
        {"chercherArticles/nom/commence/savon", 1, 1, "savon"},
        {"chercherArticles/nom/commence/riz p", 1, 1, "riz p"},
        {"chercherArticles/nom/contient/lait", 1, 2, "lait"},
        {"chercherArticles/nom/contient/marseille", 1, 2, "marseille"},
        {"chercherArticles/code/commence/61812", 2, 1, "61812"},
        {"chercherArticles/code/commence/4711", 2, 1, "4711"},
        {"chercherArticles/code/contient/2024", 2, 2, "2024"},
        {"chercherArticles/code/contient/80759", 2, 2, "80759"},
    };
    for (const Cas& cas : CAS) {
        benchmark::RegisterBenchmark(cas.nom,
                                     [cas](benchmark::State& state) {
                                         const TAccesDonneesuite acces(*contexte().module);
                                         const QString texte = QString::fromUtf8(cas.texte);
                                         recherche<TListeArticles>(
                                             state, [&] { return acces.chercherArticles(cas.champ, cas.mode, texte); });
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    // The article picker lists every article when it opens (an empty text): no target, shown
    // for what it costs on a catalogue of this size.
    benchmark::RegisterBenchmark("chercherArticles/nom/commence/(vide)",
                                 [](benchmark::State& state) {
                                     const TAccesDonneesuite acces(*contexte().module);
                                     recherche<TListeArticles>(state,
                                                               [&] { return acces.chercherArticles(1, 1, QString()); });
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
}

void enregistrerRecherchesClients()
{
    for (const char* texte : {"kou", "éb"}) {
        benchmark::RegisterBenchmark((std::string("chercherClients/nom/commence/") + texte).c_str(),
                                     [texte](benchmark::State& state) {
                                         const TAccesDonneesuite acces(*contexte().module);
                                         const QString t = QString::fromUtf8(texte);
                                         recherche<TListeClient>(state, [&] { return acces.chercherClients(2, t); });
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

// --- Sums of a period -------------------------------------------------------------------

void BM_TotauxJour(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(totauxVentes(*contexte().module, contexte().jour, contexte().jour));
}

void BM_TotauxMois(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(totauxVentes(*contexte().module, contexte().premierDuMois, contexte().dernierDuMois));
}

BENCHMARK(BM_EnregistrerVente)->Name("enregistrerVente/10 lignes")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_EnregistrerVenteMoteur)
    ->Name("moteur SQLite seul/10 lignes")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_RapportApparie)->Name("rapport apparié/10 lignes")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_GetArticleParCode)->Name("getArticleParCode")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ProchainNumero)->Name("prochainNumero")->Arg(2)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TotauxJour)->Name("totauxVentes/jour")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TotauxMois)->Name("totauxVentes/mois")->Unit(benchmark::kMillisecond)->UseRealTime();

// --- Checks before measuring ------------------------------------------------------------

// The sums of the statistics must equal the same sums computed another way, line by line.
void verifierTotaux(const Contexte& c)
{
    ConnexionBrute& brute = c.moteur->connexion();
    sqlite3_stmt* st = brute.preparer(
        "SELECT TOTAL(d.cantart * (SELECT a.prixachatuniataire FROM tb_article a WHERE a.codearticle = "
        "d.codearticle)), "
        "TOTAL(d.cantart * d.prixventeunitaire) FROM tb_detailvente_art d "
        "WHERE d.codevente IN (SELECT codevente FROM tb_vente WHERE sdatevente >= ? AND sdatevente <= ?)");
    const QByteArray debut = c.premierDuMois.toUtf8();
    const QByteArray fin = c.dernierDuMois.toUtf8();
    sqlite3_bind_text(st, 1, debut.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(st, 2, fin.constData(), -1, SQLITE_STATIC);
    if (sqlite3_step(st) != SQLITE_ROW)
        throw std::runtime_error("vérification des totaux impossible");
    const double cout = sqlite3_column_double(st, 0);
    const double ventes = sqlite3_column_double(st, 1);
    sqlite3_reset(st);
    const TotauxVentes t = totauxVentes(*c.module, c.premierDuMois, c.dernierDuMois);
    const auto egal = [](double a, double b) {
        return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b));
    };
    if (!t.avecLignes || !egal(t.cout, cout) || !egal(t.ventes, ventes) || !egal(t.benefice, ventes - cout))
        throw std::runtime_error("les totaux du mois ne correspondent pas au calcul ligne à ligne");
    const TotauxVentes vide = totauxVentes(*c.module, QStringLiteral("1999/01/01"), QStringLiteral("1999/12/31"));
    if (vide.avecLignes || vide.cout != 0 || vide.ventes != 0 || vide.benefice != 0)
        throw std::runtime_error("une période sans vente doit donner des totaux nuls");
    std::fprintf(stderr,
                 "Totaux de %s..%s vérifiés : coût %.0f, ventes %.0f, bénéfice %.0f FCFA\n",
                 qPrintable(c.premierDuMois),
                 qPrintable(c.dernierDuMois),
                 t.cout,
                 t.ventes,
                 t.benefice);
}

// --- Figures against targets ------------------------------------------------------------

const Cible CIBLES[] = {
    {"getArticleParCode", "getArticleParCode", 1},
    {"prochainNumero (ventes)", "prochainNumero/2", 1},
    {"prochainNumero (approvisionnements)", "prochainNumero/1", 1},
    {"chercherArticles nom commence", "chercherArticles/nom/commence/savon", 20},
    {"chercherArticles nom commence", "chercherArticles/nom/commence/riz p", 20},
    {"chercherArticles code commence", "chercherArticles/code/commence/61812", 20},
    {"chercherArticles code commence", "chercherArticles/code/commence/4711", 20},
    {"chercherClients nom commence", "chercherClients/nom/commence/kou", 20},
    {"chercherClients nom commence", "chercherClients/nom/commence/éb", 20},
    {"chercherArticles nom contient", "chercherArticles/nom/contient/lait", 150},
    {"chercherArticles nom contient", "chercherArticles/nom/contient/marseille", 150},
    {"chercherArticles code contient", "chercherArticles/code/contient/2024", 150},
    {"chercherArticles code contient", "chercherArticles/code/contient/80759", 150},
    {"totaux d'un jour", "totauxVentes/jour", 50},
    {"totaux d'un mois", "totauxVentes/mois", 50},
    {"liste complète à l'ouverture du sélecteur", "chercherArticles/nom/commence/(vide)", 0},
};

// Recording a sale: both times, and the ratio that decides (the paired one).
void bilanEnregistrement(const bench::Rapporteur& r)
{
    const std::string programme = "enregistrerVente/10 lignes";
    const std::string moteur = "moteur SQLite seul/10 lignes";
    const auto deux = [](double v) {
        return QString::number(v, 'f', 2);
    };
    const auto trois = [](double v) {
        return QString::number(v, 'f', 3);
    };
    if (r.ms(programme) > 0 && r.ms(moteur) > 0) {
        bench::Rapporteur::ligne(
            "enregistrerVente (10 lignes)", programme, trois(r.ms(programme)), trois(r.processeurMs(programme)));
        bench::Rapporteur::ligne(
            "même vente par l'API C de SQLite", moteur, trois(r.ms(moteur)), trois(r.processeurMs(moteur)));
        bench::Rapporteur::ligne("rapport des deux mesures séparées",
                                 {},
                                 deux(r.ms(programme) / r.ms(moteur)),
                                 deux(r.processeurMs(programme) / r.processeurMs(moteur)),
                                 QStringLiteral("-"),
                                 QStringLiteral("-"));
    }
    const double rapport = r.compteur("rapport apparié/10 lignes", "rapport");
    if (rapport > 0) {
        bench::Rapporteur::ligne("rapport apparié (médiane des paires)",
                                 "rapport apparié/10 lignes",
                                 deux(rapport),
                                 {},
                                 QStringLiteral("< 1.3"),
                                 rapport < 1.3 ? QStringLiteral("oui") : QStringLiteral("NON"));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString dossier = bench::optionBoutique(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    try {
        Contexte c;
        const QString source = bench::preparerBoutique(dossier);
        c.base = QDir(dossier).absoluteFilePath(QStringLiteral("travail.db"));
        copierBase(source, c.base);
        ParametresConnexion parametres;
        parametres.moteur = Moteur::SQLite;
        parametres.fichier = c.base;
        c.module = std::make_unique<TDataModule_TALVEX>(parametres);
        c.module->connexion();
        const QString copieMoteur = QDir(dossier).absoluteFilePath(QStringLiteral("travail-moteur.db"));
        copierBase(source, copieMoteur);
        c.moteur = std::make_unique<VenteMoteur>(copieMoteur);
        lireEchantillons(c);
        g_contexte = &c;
        verifierTotaux(c);
        enregistrerRecherchesArticles();
        enregistrerRecherchesClients();

        bench::Rapporteur rapporteur(std::vector<Cible>(std::begin(CIBLES), std::end(CIBLES)));
        const QByteArray chargeAvant = bench::chargeMoyenne();
        benchmark::RunSpecifiedBenchmarks(&rapporteur);
        rapporteur.bilan();
        bilanEnregistrement(rapporteur);
        std::printf("Charge moyenne de la machine (1, 5, 15 min) : avant %s, après %s\n",
                    chargeAvant.constData(),
                    bench::chargeMoyenne().constData());
        benchmark::Shutdown();
        g_contexte = nullptr;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "échec : %s\n", e.what());
        return 1;
    }
    return 0;
}
