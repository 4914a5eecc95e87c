// Reports: the project file and its faults, the invoice, the client card and the client
// list rendered to PDF and read back with poppler's tools, and the engine's two settings
// from one run to the next.

#include "core/errors.h"
#include "core/etat.h"
#include "reports/modeles.h"
#include "reports/moteurrapports.h"
#include "reports/projetrapports.h"
#include "reports/rapports.h"
#include "support/basedetest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace talvex;
using namespace talvex::rapports;
using talvex::test::BaseDeTest;

namespace {

QString sortieDe(const QString& programme, const QStringList& arguments)
{
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForFinished(60000) || processus.exitCode() != 0)
        return QStringLiteral("<%1 a échoué : %2>").arg(programme, QString::fromUtf8(processus.readAllStandardError()));
    return QString::fromUtf8(processus.readAllStandardOutput());
}

// The PDF's text as laid out on the page, no-break spaces read as spaces.
QString textePdf(const QString& chemin)
{
    QString texte = sortieDe(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), chemin, QStringLiteral("-")});
    return texte.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
}

QString infoPdf(const QString& chemin)
{
    return sortieDe(QStringLiteral("pdfinfo"), {chemin});
}

int pagesPdf(const QString& chemin)
{
    return QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(infoPdf(chemin)).captured(1).toInt();
}

bool correspond(const QString& texte, const QString& motif)
{
    return QRegularExpression(motif).match(texte).hasMatch();
}

TSociete societeDeTest()
{
    TSociete s;
    s.nom = QStringLiteral("QUINCAILLERIE DU FLEUVE");
    s.slogan = QStringLiteral("Tout pour bâtir");
    s.adresse = QStringLiteral("12, avenue de la Paix\r\nNiamey");
    s.telephone = QStringLiteral("20 73 45 67");
    s.fax = QString();
    s.email = QStringLiteral("contact@fleuve.ne");
    s.siteweb = QStringLiteral("www.fleuve.ne");
    return s;
}

// A few rows of the shop, inserted with bound statements.
class Boutique
{
public:
    explicit Boutique(TDataModule_TALVEX& m)
        : m_module(m)
    {
    }

    void article(qint64 code, const QString& nom, double prix)
    {
        m_module.executer(
            QStringLiteral("INSERT INTO tb_article (codearticle, nom, description, prixachatuniataire, "
                           "prixventeunitaire, categorie, datefab, dateexp, reserve, cantstock, "
                           "cantstockmin) VALUES (?, ?, ?, ?, ?, 1, ?, ?, '', 100, 5)"),
            {code, nom, QString(), prix * 0.8, prix, valeur::jour(QDate(2026, 1, 1)), valeur::jour(QDate(2028, 1, 1))});
    }

    qint64 client(const QString& nom,
                  const QString& prenom,
                  const QString& telephone = {},
                  const QString& adresse = {},
                  double achats = 0)
    {
        m_module.executer(
            QStringLiteral("INSERT INTO tb_client (nom, prenom, adresse, telephone, achat_acc) VALUES (?, ?, ?, ?, ?)"),
            {nom, prenom, adresse, telephone, achats});
        return colonne::entier(m_module.valeurUnique(QStringLiteral("SELECT MAX(codeclient) FROM tb_client")));
    }

    struct Ligne
    {
        qint64 article;
        int quantite;
        double prix;
    };

    void vente(qint64 code, const QDate& jour, qint64 client, const QList<Ligne>& lignes, double paye)
    {
        double total = 0;
        for (const Ligne& l : lignes) {
            m_module.executer(QStringLiteral("INSERT INTO tb_detailvente_art (codevente, codearticle, cantart, "
                                             "prixventeunitaire) VALUES (?, ?, ?, ?)"),
                              {code, l.article, l.quantite, l.prix});
            total += l.quantite * l.prix;
        }
        m_module.executer(
            QStringLiteral("INSERT INTO tb_vente (codevente, datevente, montant, codeutilisateur, "
                           "codeclient, montant_paye, relicat, sdatevente) VALUES (?, ?, ?, 1, ?, ?, ?, ?)"),
            {code, valeur::jour(jour), total, client, paye, paye - total, jour.toString(QStringLiteral("yyyy/MM/dd"))});
    }

private:
    TDataModule_TALVEX& m_module;
};

// Records what each run would have shown, in place of the screen.
class Presentations
{
public:
    Presentations()
    {
        m_precedent = remplacerPresentateur([this](const DocumentRapport& document, const ReglagesMoteur& reglages) {
            m_documents << document;
            m_reglages << reglages;
        });
    }
    ~Presentations() { remplacerPresentateur(m_precedent); }
    Presentations(const Presentations&) = delete;
    Presentations& operator=(const Presentations&) = delete;

    QList<DocumentRapport> m_documents;
    QList<ReglagesMoteur> m_reglages;

private:
    Presentateur m_precedent;
};

void ecrireProjet(const QByteArray& json)
{
    QDir().mkpath(QStringLiteral("GUI/RAPPORTS"));
    QFile fichier(ProjetRapports::cheminFichier());
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(json);
}

} // namespace

class TestRapports : public QObject
{
    Q_OBJECT

    std::unique_ptr<BaseDeTest> base;
    TDataModule_TALVEX& m() { return base->module(); }

    QString pdf(const QString& rapport, const QVariantHash& valeurs = {})
    {
        const QString chemin = QDir::current().absoluteFilePath(rapport + QStringLiteral(".pdf"));
        rapportEnPdf({rapport, valeurs, {}}, societeDeTest(), m(), chemin);
        return chemin;
    }

private slots:
    void init()
    {
        base = std::make_unique<BaseDeTest>();
        reinitialiserEtat();
        reinitialiserReglagesMoteur();
    }
    void cleanup() { base.reset(); }

    void montants_data();
    void montants();
    void facture();
    void factureVide_data();
    void factureVide();
    void ficheClient();
    void listeDesClientsSurPlusieursPages();
    void projetLivreComplet();
    void rapportAbsent();
    void projetDuDossierDeTravail();
    void projetFautif_data();
    void projetFautif();
    void reglagesDUneExecutionALAutre_data();
    void reglagesDUneExecutionALAutre();
    void codeNonNumerique();
};

void TestRapports::montants_data()
{
    QTest::addColumn<double>("montant");
    QTest::addColumn<QString>("texte");
    QTest::newRow("zéro") << 0.0 << "0 FCFA";
    QTest::newRow("trois chiffres") << 999.0 << "999 FCFA";
    QTest::newRow("mille") << 1000.0 << "1 000 FCFA";
    QTest::newRow("courant") << 12500.0 << "12 500 FCFA";
    QTest::newRow("arrondi") << 1234567.5 << "1 234 568 FCFA";
    QTest::newRow("négatif") << -2500.0 << "-2 500 FCFA";
}

void TestRapports::montants()
{
    QFETCH(double, montant);
    QFETCH(QString, texte);
    const QString resultat = formaterMonnaie(montant);
    QVERIFY2(!resultat.contains(QLatin1Char(' ')), "an amount must not break across lines");
    QCOMPARE(QString(resultat).replace(QChar(0x00A0), QLatin1Char(' ')), texte);
}

void TestRapports::facture()
{
    Boutique b(m());
    b.article(101, QStringLiteral("Ciment CPJ 45"), 5500);
    b.article(102, QStringLiteral("Fer à béton 8 mm"), 1250);
    b.article(103, QStringLiteral("Peinture <Éclat> & blanche"), 12750);
    b.article(104, QStringLiteral("Tôle ondulée"), 4000);
    const qint64 client = b.client(QStringLiteral("Diallo"), QStringLiteral("Aminata"), QStringLiteral("96 11 22 33"));
    // Lines given out of amount order: the invoice lists the largest amounts first.
    b.vente(7, QDate(2026, 3, 5), client, {{102, 12, 1250}, {103, 1, 12750}, {101, 3, 5500}}, 50000);
    b.vente(8, QDate(2026, 3, 5), client, {{104, 2, 4000}}, 8000);

    const QString chemin = pdf(QStringLiteral("Report_fact_new"), {{QStringLiteral("codevente"), 7}});
    const QString texte = textePdf(chemin);

    QVERIFY2(texte.contains(QStringLiteral("QUINCAILLERIE DU FLEUVE")), qPrintable(texte));
    QVERIFY(texte.contains(QStringLiteral("Niamey")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Facture N°\s+7\b)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Date\s+05/03/2026)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Vendeur\s+Principal Administrateur)")));
    QVERIFY(texte.contains(QStringLiteral("Diallo Aminata")));
    QVERIFY(texte.contains(QStringLiteral("96 11 22 33")));
    // One line per article: number, name, quantity, unit price, amount.
    const QStringList lignes = {QStringLiteral(R"(1\s+Ciment CPJ 45\s+3\s+5 500\s+16 500)"),
                                QStringLiteral(R"(2\s+Fer à béton 8 mm\s+12\s+1 250\s+15 000)"),
                                QStringLiteral(R"(3\s+Peinture <Éclat> & blanche\s+1\s+12 750\s+12 750)")};
    for (const QString& ligne : lignes)
        QVERIFY2(correspond(texte, ligne), qPrintable(ligne + QStringLiteral("\n") + texte));
    QVERIFY2(!texte.contains(QStringLiteral("Tôle")), "a line of another sale");
    QVERIFY(correspond(texte, QStringLiteral(R"(Total\s+44 250 FCFA)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Montant payé\s+50 000 FCFA)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Reliquat \(monnaie rendue\)\s+5 750 FCFA)")));
    QVERIFY(texte.contains(QStringLiteral("Page 1 / 1")));

    const QString info = infoPdf(chemin);
    QVERIFY2(correspond(info, QStringLiteral(R"(Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts \(A4\))")),
             qPrintable(info));
    QCOMPARE(pagesPdf(chemin), 1);
}

void TestRapports::factureVide_data()
{
    QTest::addColumn<qint64>("vente");
    QTest::newRow("numéro inconnu") << qint64(999);
    QTest::newRow("client disparu") << qint64(5);
}

// A sale that does not exist, or whose client row is gone, gives an empty invoice.
void TestRapports::factureVide()
{
    QFETCH(qint64, vente);
    Boutique b(m());
    b.article(101, QStringLiteral("Ciment CPJ 45"), 5500);
    b.vente(5, QDate(2026, 3, 5), 42, {{101, 1, 5500}}, 5500);

    const QString texte = textePdf(pdf(QStringLiteral("Report_fact_new"), {{QStringLiteral("codevente"), vente}}));
    QVERIFY2(texte.contains(QStringLiteral("QUINCAILLERIE DU FLEUVE")), qPrintable(texte));
    QVERIFY(!texte.contains(QStringLiteral("Ciment")));
    QVERIFY(!texte.contains(QStringLiteral("Montant payé")));
}

void TestRapports::ficheClient()
{
    Boutique b(m());
    b.client(QStringLiteral("Autre"), QStringLiteral("Personne"));
    const qint64 code = b.client(QStringLiteral("Moussa"),
                                 QStringLiteral("Ibrahim"),
                                 QStringLiteral("90 12 34 56"),
                                 QStringLiteral("Quartier Plateau\r\nRue 14"),
                                 125000);
    const QString texte = textePdf(pdf(QStringLiteral("Report_ficheClient"), {{QStringLiteral("codeclient"), code}}));
    QVERIFY2(correspond(texte, QStringLiteral(R"(Code client\s+%1\b)").arg(code)), qPrintable(texte));
    QVERIFY(correspond(texte, QStringLiteral(R"(Nom\s+Moussa)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Prénom\s+Ibrahim)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Téléphone\s+90 12 34 56)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Adresse\s+Quartier Plateau\s+Rue 14)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Achats cumulés\s+125 000 FCFA)")));
    QVERIFY(!texte.contains(QStringLiteral("Personne")));
}

// The list reads the whole client table (the anonymous client too) and pages it with the
// page header and footer on every page.
void TestRapports::listeDesClientsSurPlusieursPages()
{
    Boutique b(m());
    for (int i = 1; i <= 70; ++i) {
        b.client(QStringLiteral("Nom%1").arg(i, 3, 10, QLatin1Char('0')),
                 QStringLiteral("Prénom%1").arg(i),
                 QStringLiteral("90 00 00 %1").arg(i, 2, 10, QLatin1Char('0')),
                 QString(),
                 i * 1000);
    }
    const QString chemin = pdf(QStringLiteral("Report_ClientsL"));
    const QString texte = textePdf(chemin);
    const int pages = pagesPdf(chemin);
    QVERIFY2(pages > 1, qPrintable(infoPdf(chemin)));
    QCOMPARE(texte.count(QStringLiteral("QUINCAILLERIE DU FLEUVE")), 2 * pages);
    QCOMPARE(texte.count(QStringLiteral("LISTE DES CLIENTS")), pages);
    QVERIFY(texte.contains(QStringLiteral("Page 1 / %1").arg(pages)));
    QVERIFY(texte.contains(QStringLiteral("Page %1 / %1").arg(pages)));
    QVERIFY(correspond(texte, QStringLiteral(R"(\b1\s+anonyme\s+anonyme)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(\b7\s+Nom006\s+Prénom6\s+90 00 00 06\s+6 000)")));
    for (int i = 1; i <= 70; ++i)
        QVERIFY(texte.contains(QStringLiteral("Nom%1").arg(i, 3, 10, QLatin1Char('0'))));
    QVERIFY(correspond(texte, QStringLiteral(R"(Nombre de clients\s+71)")));
}

// Every report of the shipped project names its data sets, and each one runs on this
// engine and lays out (here on an empty shop).
void TestRapports::projetLivreComplet()
{
    const ProjetRapports projet = ProjetRapports::ouvrir();
    QCOMPARE(projet.source(), ProjetRapports::cheminInterne());
    const QList<QPair<QString, QString>> attendus = {
        {QStringLiteral("Report_fact_new"), QStringLiteral("RvDataSetConnection_new_fact")},
        {QStringLiteral("Report_ficheClient"), QStringLiteral("RvDataSetConnection_FicheClient")},
        {QStringLiteral("Report_ClientsL"), QStringLiteral("RvDataSetConnection_ClientL")},
    };
    for (const auto& [rapport, connexion] : attendus)
        QVERIFY2(projet.rapport(rapport).jeu(connexion), qPrintable(rapport + QLatin1Char(' ') + connexion));

    for (const QString& nom : projet.noms()) {
        const DefinitionRapport& rapport = projet.rapport(nom);
        QVERIFY2(!rapport.donnees.empty(), qPrintable(nom));
        QCOMPARE(rapport.page.pageSize().id(), QPageSize::A4);
        QVariantHash valeurs;
        for (const DefinitionDonnees& d : rapport.donnees) {
            for (const QString& v : d.valeurs)
                valeurs.insert(v, 0);
        }
        const DocumentRapport document = preparerRapport(projet, {nom, valeurs, {}}, societeDeTest(), m());
        QVERIFY2(document.entete.contains(QStringLiteral("QUINCAILLERIE DU FLEUVE")), qPrintable(nom));
    }
}

void TestRapports::rapportAbsent()
{
    try {
        preparerRapport(ProjetRapports::ouvrir(), {QStringLiteral("Report_inexistant"), {}, {}}, societeDeTest(), m());
        QFAIL("a report absent from the project ran");
    } catch (const ERapport& e) {
        QCOMPARE(e.message(),
                 QStringLiteral("Le rapport « Report_inexistant » n'existe pas dans le projet de rapports « %1 ».")
                     .arg(ProjetRapports::cheminInterne()));
    }
}

// A report is an entry of the project file: the file under the working directory takes
// the place of the built-in one, and a new entry runs without a line of code.
void TestRapports::projetDuDossierDeTravail()
{
    m().executer(QStringLiteral("INSERT INTO tb_categorie (description) VALUES (?)"), {QStringLiteral("Outillage")});
    m().executer(QStringLiteral("INSERT INTO tb_categorie (description) VALUES (?)"), {QStringLiteral("Peinture")});
    ecrireProjet(R"({"rapports": [{
        "nom": "Report_list_cat", "titre": "Catégories", "parametres": ["condition_report"],
        "donnees": [{"nom": "RvDataSetConnection_list_cat", "sql": "SELECT * FROM tb_categorie ORDER BY code"}],
        "entete_page": [{"texte": "{nom_entreprise} : {condition_report}"}],
        "pied_page": [{"texte": "Page {page} / {pages}"}],
        "corps": [{"bande": "tableau", "donnees": "RvDataSetConnection_list_cat",
                   "colonnes": [{"titre": "Code", "valeur": "{code}"}, {"titre": "Catégorie", "valeur": "{description|majuscules}"}],
                   "totaux": [{"libelle": "Catégories", "valeur": "{nombre}"}]}]}]})");
    const QString chemin = QDir::current().absoluteFilePath(QStringLiteral("categories.pdf"));
    rapportEnPdf(
        {QStringLiteral("Report_list_cat"), {}, {{QStringLiteral("condition_report"), QStringLiteral("toutes")}}},
        societeDeTest(),
        m(),
        chemin);
    const QString texte = textePdf(chemin);
    QVERIFY2(texte.contains(QStringLiteral("QUINCAILLERIE DU FLEUVE : toutes")), qPrintable(texte));
    QVERIFY2(correspond(texte, QStringLiteral(R"(1\s+OUTILLAGE)")), qPrintable(texte));
    QVERIFY(correspond(texte, QStringLiteral(R"(2\s+PEINTURE)")));
    QVERIFY(correspond(texte, QStringLiteral(R"(Catégories\s+2)")));
    QVERIFY_THROWS_EXCEPTION(ERapport, ProjetRapports::ouvrir().rapport(QStringLiteral("Report_fact_new")));
    QVERIFY_THROWS_EXCEPTION(
        ERapport,
        preparerRapport(ProjetRapports::ouvrir(),
                        {QStringLiteral("Report_list_cat"), {}, {{QStringLiteral("periode"), QStringLiteral("x")}}},
                        societeDeTest(),
                        m()));
}

void TestRapports::projetFautif_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("explication");
    const QByteArray jeu
        = R"("donnees": [{"nom": "J", "sql": "SELECT * FROM tb_client WHERE codeclient = ?", "valeurs": ["code"]}])";
    QTest::newRow("illisible") << QByteArray(R"({"rapports": [)") << "est illisible";
    QTest::newRow("jeu absent")
        << (R"({"rapports": [{"nom": "R", )" + jeu
            + R"(, "corps": [{"bande": "tableau", "donnees": "X", "colonnes": [{"valeur": "{nom}"}]}]}]})")
        << "la bande lit « X »";
    QTest::newRow("valeurs à lier") << QByteArray(
        R"({"rapports": [{"nom": "R", "donnees": [{"nom": "J", "sql": "SELECT * FROM tb_client WHERE codeclient = ?"}]}]})")
                                    << "1 valeurs à lier mais en nomme 0";
    QTest::newRow("format inconnu") << (R"({"rapports": [{"nom": "R", )" + jeu
                                        + R"(, "corps": [{"elements": [{"texte": "{x|euros}"}]}]}]})")
                                    << "Format « euros » inconnu";
    QTest::newRow("bloc inconnu") << QByteArray(R"({"rapports": [{"nom": "R", "entete_page": [{"bloc": "societe"}]}]})")
                                  << "bloc « societe » inconnu";
    QTest::newRow("rapport en double") << QByteArray(R"({"rapports": [{"nom": "R"}, {"nom": "R"}]})")
                                       << "le rapport « R » est décrit deux fois";
}

void TestRapports::projetFautif()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, explication);
    try {
        ProjetRapports::depuisJson(json, QStringLiteral("essai.json"));
        QFAIL("a faulty project was read");
    } catch (const ERapport& e) {
        QVERIFY2(e.message().contains(QStringLiteral("essai.json")) && e.message().contains(explication),
                 qPrintable(e.message()));
    }
}

void TestRapports::reglagesDUneExecutionALAutre_data()
{
    QTest::addColumn<QStringList>("executions");
    QTest::addColumn<QString>("attendus"); // per run: D when the output options show, M when maximised
    QTest::newRow("la fiche n'agit qu'après") << QStringList {"fiche", "fiche", "liste"} << "D.,.M,.M";
    QTest::newRow("la liste coupe le dialogue seul") << QStringList {"liste", "fiche", "liste"} << "..,..,.M";
    QTest::newRow("la facture agit avant") << QStringList {"facture", "liste", "fiche"} << ".M,.M,.M";
}

void TestRapports::reglagesDUneExecutionALAutre()
{
    QFETCH(QStringList, executions);
    QFETCH(QString, attendus);
    etat().societeCourante = societeDeTest();
    Boutique b(m());
    b.article(101, QStringLiteral("Ciment CPJ 45"), 5500);
    const qint64 client = b.client(QStringLiteral("Moussa"), QStringLiteral("Ibrahim"));
    b.vente(3, QDate(2026, 3, 5), client, {{101, 2, 5500}}, 11000);

    Presentations presentations;
    for (const QString& execution : executions) {
        if (execution == QLatin1String("fiche"))
            rapportFiche(2, QString::number(client));
        else if (execution == QLatin1String("liste"))
            rapportListeClients();
        else
            imprimerFacture(QStringLiteral("3"));
    }
    QStringList obtenus;
    for (const ReglagesMoteur& r : presentations.m_reglages)
        obtenus << QString(r.dialogueSortieAutorise ? u'D' : u'.') + QString(r.apercuMaximise ? u'M' : u'.');
    QCOMPARE(obtenus.join(QLatin1Char(',')), attendus);
    for (const DocumentRapport& d : presentations.m_documents) {
        QVERIFY(d.entete.contains(QStringLiteral("QUINCAILLERIE DU FLEUVE")));
        QVERIFY2(d.corps.contains(QStringLiteral("Moussa")), qPrintable(d.nom));
    }
}

void TestRapports::codeNonNumerique()
{
    Presentations presentations;
    QVERIFY_THROWS_EXCEPTION(EConvertError, imprimerFacture(QStringLiteral("3 OR 1=1")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, rapportFiche(2, QString()));
    QVERIFY(presentations.m_documents.isEmpty());
    QVERIFY(reglagesMoteur().dialogueSortieAutorise);
}

QTEST_MAIN(TestRapports)
#include "tst_rapports.moc"
