// Speed of the counter with its real windows, offscreen, on the generated shop:
//   scan + Enter        a code typed in the sale window and Enter, until the new line and
//                       the total are drawn;
//   picker opening      "F6" in the sale window, until the picker is drawn listing the catalogue;
//   picker keystroke    one more (or one less) letter in the picker's search field, until
//                       the new list is drawn.
//   talvex_bench_comptoir [--boutique=DIR] [Google Benchmark options]
// The shop is built in DIR (default "boutique") when missing; the windows work on a copy of
// it, "comptoir.db" in the working directory. The last lines compare each figure (the mean
// time of one action) with its target, then give the slowest single action of each measure.
#include "bilan.h"
#include "boutique.h"

#include "core/datamodule.h"
#include "core/etat.h"
#include "core/panier.h"
#include "core/recherchearticles.h"
#include "sales/fenetresvente.h"
#include "sales/formfindappvente.h"
#include "sales/formvente.h"
#include "shell/application.h"
#include "shell/messages.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace talvex;

// Lines a cart holds before the measure starts a new sale.
constexpr int LIGNES_PAR_PANIER = 40;

struct Contexte
{
    std::unique_ptr<TDataModule_TALVEX> module;
    std::unique_ptr<QWidget> principale;
    std::vector<QString> codes;
};

Contexte* g_contexte = nullptr;

Contexte& contexte()
{
    return *g_contexte;
}

TForm_Vente& vente()
{
    return *contexte().principale->findChild<TForm_Vente*>();
}

TForm_Find_AppVente& selecteur()
{
    return *contexte().principale->findChild<TForm_Find_AppVente*>();
}

// Lets the window lay out and draw what changed, as the event loop would before the next key.
void afficher(QWidget& fenetre)
{
    QCoreApplication::processEvents();
    fenetre.repaint();
}

// --- Figures against targets --------------------------------------------------------------

const std::vector<bench::Cible> CIBLES = {
    {"code + Entrée : ligne et total affichés", "comptoir/scan+Entree", 16},
    {"ouverture du sélecteur, tout le catalogue", "selecteur/ouverture", 200},
    {"frappe dans le sélecteur", "selecteur/frappe/code", 50},
    {"frappe dans le sélecteur", "selecteur/frappe/nom", 50},
    {"frappe dans le sélecteur", "selecteur/frappe/description", 50},
    {"frappe sans article trouvé", "selecteur/frappe/sans resultat", 0},
};

// Every time measured, by benchmark: the table of targets gives the mean, this one the
// slowest single action.
std::map<std::string, std::vector<double>> g_mesures;

void mesurer(const char* nom, benchmark::State& state, const QElapsedTimer& chrono)
{
    const double ms = static_cast<double>(chrono.nsecsElapsed()) / 1e6;
    state.SetIterationTime(ms / 1e3);
    g_mesures[nom].push_back(ms);
}

void pires()
{
    std::printf("\n");
    bench::Rapporteur::ligne("Action la plus lente", "Cas", QStringLiteral("Pire (ms)"), QStringLiteral("Médiane"));
    for (auto& [nom, temps] : g_mesures) {
        std::sort(temps.begin(), temps.end());
        bench::Rapporteur::ligne(
            "", nom, QString::number(temps.back(), 'f', 3), QString::number(temps[temps.size() / 2], 'f', 3));
    }
}

// --- The measures ------------------------------------------------------------------------

constexpr const char* SCAN = "comptoir/scan+Entree";
constexpr const char* OUVERTURE = "selecteur/ouverture (tout le catalogue)";

void BM_ScanEntree(benchmark::State& state)
{
    TForm_Vente& fenetre = vente();
    auto* champ = fenetre.findChild<QLineEdit*>(QStringLiteral("sedtCodeArticle"));
    const std::vector<QString>& codes = contexte().codes;
    std::size_t suivant = 0;
    int scans = 0;
    for (auto _ : state) {
        // One scan in five repeats the previous article (its quantity goes up).
        const bool repete = scans % 5 == 4;
        const QString& code = codes[(repete ? suivant - 1 : suivant++) % codes.size()];
        QElapsedTimer chrono;
        chrono.start();
        QTest::keyClicks(champ, code);
        QTest::keyClick(champ, Qt::Key_Return);
        afficher(fenetre);
        mesurer(SCAN, state, chrono);
        if (++scans % LIGNES_PAR_PANIER == 0)
            fenetre.viderVente();
    }
    if (fenetre.panier().total() < 0)
        state.SkipWithError("total négatif");
    fenetre.viderVente();
    state.counters["panier max"] = LIGNES_PAR_PANIER;
}

void BM_OuvertureSelecteur(benchmark::State& state)
{
    // The "F6" button: the same action as its key, without depending on which window the
    // offscreen platform holds active after the picker closed.
    auto* bouton = vente().findChild<QWidget*>(QStringLiteral("sbtnFindCod"));
    int lignes = 0;
    for (auto _ : state) {
        QElapsedTimer chrono;
        QTimer::singleShot(0, [&] {
            TForm_Find_AppVente& s = selecteur();
            afficher(s);
            mesurer(OUVERTURE, state, chrono);
            lignes = s.modele().rowCount();
            s.reject();
        });
        chrono.start();
        QTest::mouseClick(bouton, Qt::LeftButton);
    }
    state.counters["lignes"] = lignes;
}

// Texts typed in the picker, one keystroke at a time, then taken back letter by letter.
struct Frappe
{
    const char* nom;
    int critere;
    int mode;
    const char* texte;
};

const Frappe FRAPPES[] = {
    {"selecteur/frappe/code commence 61812", 2, 1, "61812"},
    {"selecteur/frappe/nom commence savon", 1, 1, "savon"},
    {"selecteur/frappe/nom contient lait", 1, 2, "lait"},
    {"selecteur/frappe/description contient marseille", 3, 2, "marseille"},
    {"selecteur/frappe/description commence chocolat", 3, 1, "chocolat"},
    // Past "q", no article holds the text: each keystroke reads to the end of the catalogue.
    {"selecteur/frappe/sans resultat qzx", 3, 2, "qzx"},
};

void frappes(benchmark::State& state, const Frappe& frappe)
{
    TForm_Find_AppVente& s = selecteur();
    s.critereRecherche = frappe.critere;
    s.show();
    if (!QTest::qWaitForWindowExposed(&s))
        state.SkipWithError("le sélecteur ne s'affiche pas");
    if (frappe.mode == 2)
        QTest::mouseClick(s.findChild<QWidget*>(QStringLiteral("sRadioGroupCTR1")), Qt::LeftButton);
    auto* champ = s.findChild<QLineEdit*>(QStringLiteral("sedtFinded"));
    champ->setFocus();
    const QString texte = QString::fromUtf8(frappe.texte);
    int position = 0;
    bool avance = true;
    for (auto _ : state) {
        QElapsedTimer chrono;
        chrono.start();
        if (avance) {
            QTest::keyClick(champ, texte.at(position).toLatin1());
            ++position;
        } else {
            QTest::keyClick(champ, Qt::Key_Backspace);
            --position;
        }
        afficher(s);
        mesurer(frappe.nom, state, chrono);
        if (position == texte.size())
            avance = false;
        else if (position == 1)
            avance = true;
    }
    state.counters["lignes"] = s.modele().rowCount();
    s.sbtnFermerClick();
}

void enregistrer()
{
    benchmark::RegisterBenchmark(SCAN, BM_ScanEntree)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(400);
    benchmark::RegisterBenchmark(OUVERTURE, BM_OuvertureSelecteur)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(30);
    for (const Frappe& f : FRAPPES) {
        benchmark::RegisterBenchmark(f.nom, [f](benchmark::State& state) { frappes(state, f); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(60);
    }
}

void copierBase(const QString& source, const QString& cible)
{
    for (const char* suffixe : {"", "-wal", "-shm"})
        QFile::remove(cible + QString::fromLatin1(suffixe));
    if (!QFile::copy(source, cible))
        throw std::runtime_error("copie impossible vers " + cible.toStdString());
}

void preparerComptoir(Contexte& c, const QString& dossier)
{
    const QString base = QDir::current().absoluteFilePath(QStringLiteral("comptoir.db"));
    copierBase(bench::preparerBoutique(dossier), base);
    ParametresConnexion parametres;
    parametres.fichier = base;
    c.module = std::make_unique<TDataModule_TALVEX>(parametres);
    c.module->connexion();
    // Articles spread over the whole range of codes, in a shuffled order.
    c.module->lecturePartagee(
        QStringLiteral(
            "SELECT codearticle FROM tb_article WHERE codearticle % 89 = 0 ORDER BY (codearticle * 7919) % 1009"),
        {},
        [&c](const QSqlQuery& q) { c.codes.push_back(colonne::texte(q.value(0))); });
    if (c.codes.size() < 100)
        throw std::runtime_error("la boutique a trop peu d'articles");

    reinitialiserEtat();
    TUtilisateur vendeur;
    vendeur.codeutilisateur = QStringLiteral("1");
    etat().utilisateurCourant = vendeur;
    // No message may wait for an answer while measuring: a picker keystroke without a match
    // would otherwise open its box.
    remplacerRepondeur([](const DemandeMessage&) -> quint16 { return resultat::Ok; });
    c.principale = std::make_unique<QWidget>();
    creerFenetresVente(*c.principale);
    vente().show();
    vente().activateWindow();
    if (!QTest::qWaitForWindowActive(&vente()))
        throw std::runtime_error("la fenêtre de vente ne devient pas active");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TalvexApplication application(argc, argv);
    const QString dossier = bench::optionBoutique(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    try {
        Contexte c;
        g_contexte = &c;
        preparerComptoir(c, dossier);
        enregistrer();
        bench::Rapporteur rapporteur(CIBLES);
        benchmark::RunSpecifiedBenchmarks(&rapporteur);
        rapporteur.bilan();
        pires();
        std::printf("\nCharge moyenne de la machine : %s\n", bench::chargeMoyenne().constData());
        benchmark::Shutdown();
        c.principale.reset();
        g_contexte = nullptr;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
