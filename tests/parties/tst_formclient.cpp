#include "../shell/programmedetest.h"

#include "core/dataaccess.h"
#include "core/etat.h"
#include "core/journal.h"
#include "parties/champspartie.h"
#include "parties/formclient.h"
#include "parties/forminscliente.h"
#include "parties/formmodpers.h"
#include "parties/grouperadio.h"
#include "parties/modelepersonnes.h"
#include "reports/moteurrapports.h"
#include "shell/commandes.h"
#include "shell/formprinc.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace talvex;
using namespace talvex::test;

namespace {

// The reports the windows asked for, instead of the screen.
class Impressions
{
public:
    Impressions()
        : m_precedent(
            rapports::remplacerPresentateur([this](const rapports::DocumentRapport& document,
                                                   const rapports::ReglagesMoteur&) { documents << document; }))
    {
    }
    ~Impressions() { rapports::remplacerPresentateur(std::move(m_precedent)); }
    Impressions(const Impressions&) = delete;
    Impressions& operator=(const Impressions&) = delete;

    QStringList noms() const
    {
        QStringList n;
        for (const auto& d : documents)
            n << d.nom;
        return n;
    }

    QList<rapports::DocumentRapport> documents;

private:
    rapports::Presentateur m_precedent;
};

struct LigneClient
{
    QString nom;
    QString prenom;
    QString telephone;
    QString adresse;
    double achat_acc = 0;
};

// Clients 2 to 12, in this order (client 1 is the anonymous one).
const QList<LigneClient> CLIENTS = {
    {"Dupont", "Marie", "699001122", "Rue 1"},
    {"Martin", "Paul", "677123456", "Rue 2"},
    {"Durand", "Anne", "699555000", "Rue 3"},
    {"Bernard", "Lucie", "655000111", ""},
    {"Petit", "Marc", "622333444", ""},
    {"Robert", "Jean", "633444555", ""},
    {"Richard", "Claire", "644555666", ""},
    {"Moreau", "Louis", "611222333", ""},
    {"Simon", "Martine", "600111222", ""},
    {"O\"Neil", "d'Arc", "688777666", ""},
    {"Laurent", "Hugo", "699123123", ""},
};

} // namespace

class TestFormClient : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProgrammeDeTest> p;

    TForm_client& fenetre() const { return *p->principale().fenetre<TForm_client>(); }
    template<typename W>
    W* controle(const QWidget& dans, const char* nom) const
    {
        auto* w = dans.findChild<W*>(QString::fromLatin1(nom));
        if (!w)
            qFatal("no control %s", nom);
        return w;
    }
    template<typename W>
    W* controle(const char* nom) const
    {
        return controle<W>(fenetre(), nom);
    }
    QTableView* grille() const { return controle<QTableView>("StringGrid_clients"); }
    QLineEdit* champRecherche() const { return controle<QLineEdit>("sedtFinded"); }
    void cliquer(const char* nom) const { QTest::mouseClick(controle<QPushButton>(nom), Qt::LeftButton); }
    void choisirRadio(const char* groupe, int item) const { controle<TGroupeRadio>(groupe)->bouton(item)->click(); }
    // Triggers an entry of the grid's menu from the event loop, as the user would: an
    // error it raises goes to the default error display.
    void menuGrille(const char* nom) const
    {
        QMetaObject::invokeMethod(controle<QAction>(nom), &QAction::trigger, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }

    // The codes listed in the grid, in order.
    QStringList codesListes() const
    {
        QStringList codes;
        const auto& m = fenetre().modele();
        for (int i = 0; i < m.rowCount(); ++i)
            codes << m.ligne(i)->code;
        return codes;
    }
    void choisirClient(const QString& code) const
    {
        const QStringList codes = codesListes();
        QVERIFY2(codes.contains(code), qPrintable(code));
        grille()->setCurrentIndex(grille()->model()->index(codes.indexOf(code), 0));
    }

    void ajouterClients(const QList<LigneClient>& clients = CLIENTS) const
    {
        for (const LigneClient& c : clients)
            p->module().executer(QStringLiteral("INSERT INTO tb_client (nom, prenom, adresse, telephone, achat_acc) "
                                                "VALUES (?, ?, ?, ?, ?)"),
                                 {c.nom, c.prenom, c.adresse, c.telephone, c.achat_acc});
    }
    void ajouterVente(int numero, int client) const
    {
        p->module().executer(QStringLiteral("INSERT INTO tb_vente (codevente, datevente, montant, codeutilisateur, "
                                            "codeclient, montant_paye, relicat, sdatevente) "
                                            "VALUES (?, ?, 1500, 1, ?, 2000, 500, '2024/03/15')"),
                             {numero, valeur::instant(p->maintenant), client});
    }
    QString clientDeVente(int numero) const
    {
        return colonne::texte(
            p->module().valeurUnique(QStringLiteral("SELECT codeclient FROM tb_vente WHERE codevente=?"), {numero}));
    }
    // nom|prenom|telephone|adresse|achat_acc of a client, empty when there is none.
    QString client(const QString& code) const
    {
        QString ligne;
        p->module().lecturePartagee(
            QStringLiteral("SELECT nom, prenom, telephone, adresse, achat_acc FROM tb_client WHERE codeclient=?"),
            {code.toLongLong()},
            [&ligne](const QSqlQuery& q) {
                QStringList champs;
                for (int i = 0; i < 4; ++i)
                    champs << colonne::texte(q.value(i));
                champs << QString::number(colonne::reel(q.value(4)));
                ligne = champs.join(QLatin1Char('|'));
            });
        return ligne;
    }
    int nombreClients() const
    {
        return static_cast<int>(
            colonne::entier(p->module().valeurUnique(QStringLiteral("SELECT COUNT(*) FROM tb_client"))));
    }
    QString journal() { return p->sessions().isEmpty() ? QString() : p->sessions().last().incident; }
    void ouvrirSession() const
    {
        ouvrirSessionCourante(p->ajouterUtilisateur(QStringLiteral("caisse"), QStringLiteral("secret"), 1));
    }
    // Shows the client window for management (not modal: the test drives it).
    void montrer(bool facture = false, const QString& vente = {})
    {
        etat().modeFacture = facture;
        etat().venteAFacturer = vente;
        fenetre().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre()));
    }

private slots:
    void init()
    {
        p = std::make_unique<ProgrammeDeTest>();
        rapports::reinitialiserReglagesMoteur();
    }
    void cleanup() { p.reset(); }

    void affichage_data()
    {
        QTest::addColumn<bool>("facture");
        QTest::newRow("gestion") << false;
        QTest::newRow("facture") << true;
    }
    void affichage()
    {
        QFETCH(bool, facture);
        ajouterClients();
        QAbstractItemModelTester testeur(grille()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        // What a previous showing left: another search and some text.
        choisirRadio("sRadioGroup_prm", 1);
        champRecherche()->setText(QStringLiteral("Du"));

        montrer(facture, facture ? QStringLiteral("7") : QString());
        QVERIFY(p->messages().demandes().isEmpty());
        QCOMPARE(codesListes(), QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
        QCOMPARE(grille()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Teléphone"));
        QCOMPARE(fenetre().critere(), 1);
        QCOMPARE(controle<TGroupeRadio>("sRadioGroup_prm")->itemIndex(), 0);
        QVERIFY(!controle<TGroupeRadio>("sRadioGroupCTR")->isEnabled());
        QVERIFY(champRecherche()->text().isEmpty());
        QCOMPARE(controle<QPushButton>("sBitBtn_client")->isVisible(), facture);
        QCOMPARE(controle<QPushButton>("sbtnAcepter")->isEnabled(), !facture);
        QCOMPARE(fenetre().windowTitle(), QStringLiteral("Gestion des clients"));
    }

    void sansAutreClientQueLAnonyme()
    {
        montrer();
        QCOMPARE(p->messages().textes(), QStringList {"Client non rencontré"});
        QCOMPARE(p->messages().derniere().genre, genre::Information);
        QCOMPARE(p->messages().derniere().boutons, bouton::Ok);
        QCOMPARE(grille()->model()->rowCount(), 0);
        // Without a selected client these do nothing.
        p->messages().oublier();
        Impressions impressions;
        fenetre().Imprimer1Click();
        fenetre().Modifier1Click();
        fenetre().Effacer1Click();
        QVERIFY(impressions.documents.isEmpty());
        QCOMPARE(p->messages().textes(), QStringList {"Voulez-vous supprimer le client sélectionné?"});
        QCOMPARE(nombreClients(), 1);
    }

    void recherche_data()
    {
        QTest::addColumn<int>("parametre");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("code commençant, jamais le client 1") << 0 << 0 << "1" << QStringList {"10", "11", "12"};
        QTest::newRow("code, texte entouré de blancs") << 0 << 0 << " 1 " << QStringList {"10", "11", "12"};
        QTest::newRow("nom commençant") << 1 << 0 << "Du" << QStringList {"2", "4"};
        QTest::newRow("nom contenant, par nom") << 1 << 1 << "ar" << QStringList {"5", "3", "8"};
        QTest::newRow("prénom commençant") << 2 << 0 << "Mar" << QStringList {"6", "2", "10"};
        QTest::newRow("prénom contenant") << 2 << 1 << "ri" << QStringList {"2"};
        QTest::newRow("téléphone commençant") << 3 << 0 << "699" << QStringList {"2", "12", "4"};
        QTest::newRow("téléphone contenant") << 3 << 1 << "555" << QStringList {"7", "8", "4"};
        QTest::newRow("guillemets") << 1 << 0 << "O\"N" << QStringList {"11"};
        QTest::newRow("apostrophe") << 2 << 1 << "d'A" << QStringList {"11"};
    }
    void recherche()
    {
        QFETCH(int, parametre);
        QFETCH(int, mode);
        QFETCH(QString, texte);
        QFETCH(QStringList, codes);
        ajouterClients();
        montrer();
        if (parametre != 0)
            choisirRadio("sRadioGroup_prm", parametre);
        if (mode != 0)
            choisirRadio("sRadioGroupCTR", mode);
        QCOMPARE(controle<TGroupeRadio>("sRadioGroupCTR")->isEnabled(), parametre != 0);
        QTest::keyClicks(champRecherche(), texte);
        QTest::keyClick(champRecherche(), Qt::Key_Return);
        QVERIFY2(p->messages().demandes().isEmpty(), qPrintable(p->messages().textes().join(',')));
        QCOMPARE(codesListes(), codes);
    }

    void anonymeJamaisListe()
    {
        ajouterClients();
        montrer();
        choisirRadio("sRadioGroup_prm", 1);
        QTest::keyClicks(champRecherche(), QStringLiteral("anonyme"));
        cliquer("sbtnFind");
        QCOMPARE(p->messages().textes(), QStringList {"Client non rencontré"});
        QVERIFY(!codesListes().contains(QStringLiteral("1")));
    }

    void rechercheSansTexte_data()
    {
        QTest::addColumn<int>("parametre");
        QTest::addColumn<QString>("invitation");
        QTest::newRow("code") << 0 << "Tapez le Code  à chercher";
        QTest::newRow("nom") << 1 << "Tapez le Nom  à chercher";
        QTest::newRow("prénom") << 2 << "Tapez le Prénom  à chercher";
        QTest::newRow("téléphone") << 3 << "Tapez le Télephone  à chercher";
    }
    void rechercheSansTexte()
    {
        QFETCH(int, parametre);
        QFETCH(QString, invitation);
        ajouterClients();
        montrer();
        if (parametre != 0)
            choisirRadio("sRadioGroup_prm", parametre);
        cliquer("sbtnFind");
        QCOMPARE(p->messages().textes(), QStringList {invitation});
        QCOMPARE(p->messages().derniere().genre, genre::Information);
        QCOMPARE(codesListes().size(), CLIENTS.size());
    }

    void rechercheInfructueuseGardeLaListe()
    {
        ajouterClients();
        montrer();
        choisirRadio("sRadioGroup_prm", 1);
        QTest::keyClicks(champRecherche(), QStringLiteral("Du"));
        cliquer("sbtnFind");
        QCOMPARE(codesListes(), QStringList({"2", "4"}));
        champRecherche()->setText(QStringLiteral("Zz"));
        cliquer("sbtnFind");
        QCOMPARE(p->messages().textes(), QStringList {"Client non rencontré"});
        QCOMPARE(codesListes(), QStringList({"2", "4"}));
        // Emptying the field lists every client again, by the criterion in force (nom).
        champRecherche()->clear();
        QCOMPARE(codesListes().size(), CLIENTS.size());
        QCOMPARE(codesListes().first(), QStringLiteral("5"));
    }

    void creation_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<quint16>("reponse");
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<QString>("enregistre"); // nom|prenom|telephone|adresse|achat_acc, or empty
        const QString confirmation = QStringLiteral("Voulez-vous ajouter les données de ce client?");
        const QString succes = QStringLiteral("Les données du client ont été guardées avec succès");
        QTest::newRow("sans nom") << ""
                                  << "Marie" << resultat::Oui << QStringList {"Tapez le nom du client s'il vous plait"}
                                  << "";
        QTest::newRow("sans prénom") << "Dupont"
                                     << "" << resultat::Oui << QStringList {"Tapez le prenom du client s'il vous plait"}
                                     << "";
        QTest::newRow("confirmation refusée") << "Dupont"
                                              << "Marie" << resultat::Non << QStringList {confirmation} << "";
        QTest::newRow("valeurs rognées") << "  Dupont "
                                         << " Marie " << resultat::Oui << QStringList {confirmation, succes}
                                         << "Dupont|Marie|699 00|Rue 1\nBP 2|0";
        QTest::newRow("nom de blancs enregistré vide")
            << "   "
            << "Marie" << resultat::Oui << QStringList {confirmation, succes} << "|Marie|699 00|Rue 1\nBP 2|0";
        QTest::newRow("guillemets") << "O\"Brien \"le grand\""
                                    << "d'Arc" << resultat::Oui << QStringList {confirmation, succes}
                                    << "O\"Brien \"le grand\"|d'Arc|699 00|Rue 1\nBP 2|0";
        const QString long10000(10000, QLatin1Char('n'));
        QTest::newRow("nom de 10 000 caractères")
            << long10000 << "Marie" << resultat::Oui << QStringList {confirmation, succes}
            << long10000 + "|Marie|699 00|Rue 1\nBP 2|0";
    }
    void creation()
    {
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(quint16, reponse);
        QFETCH(QStringList, textes);
        QFETCH(QString, enregistre);
        ouvrirSession();
        montrer();
        p->messages().oublier();
        p->messages().repondre(reponse);
        p->pendantModal([this] { cliquer("sbtn_nouveau"); },
                        [&](QDialog& d) {
                            auto* creation = qobject_cast<TForm_insCliente*>(&d);
                            QVERIFY(creation);
                            QCOMPARE(d.windowTitle(), QStringLiteral("Nouveau Client"));
                            TChampsPartie& champs = creation->champs();
                            champs.sedt_nom()->setText(nom);
                            champs.sedt_prenom()->setText(prenom);
                            QTest::keyClicks(champs.sedt_tel(), QStringLiteral(" 699 00 "));
                            champs.sMemoAdresse()->setPlainText(QStringLiteral(" Rue 1\nBP 2 "));
                            QTest::mouseClick(controle<QPushButton>(d, "sbtn_acepeter"), Qt::LeftButton);
                            QCOMPARE(p->messages().textes(), textes);
                            // The window stays open for the next client; the fields are
                            // emptied only once one was saved.
                            QVERIFY(d.isVisible());
                            QCOMPARE(champs.sedt_prenom()->text().isEmpty(), !enregistre.isEmpty() || prenom.isEmpty());
                            QTest::mouseClick(controle<QPushButton>(d, "sbtnfermer"), Qt::LeftButton);
                        });
        QCOMPARE(nombreClients(), enregistre.isEmpty() ? 1 : 2);
        if (!enregistre.isEmpty()) {
            QCOMPARE(client(QStringLiteral("2")), enregistre);
            // Back in the client window the new client is listed.
            QCOMPARE(codesListes(), QStringList {"2"});
            QCOMPARE(fenetre().modele().ligne(0)->nom, enregistre.section(QLatin1Char('|'), 0, 0));
        }
        // Creating a client is not journaled.
        QCOMPARE(journal(), QString());
    }

    void creationTelephoneChiffresEtBlancs()
    {
        auto& creation = *p->principale().fenetre<TForm_insCliente>();
        creation.show();
        QTest::keyClicks(creation.champs().sedt_tel(), QStringLiteral("6a9-9 0\"'"));
        QCOMPARE(creation.champs().sedt_tel()->text(), QStringLiteral("699 0"));
        // Every field starts empty at each showing, and the hints are there.
        creation.champs().sedt_nom()->setText(QStringLiteral("reste"));
        creation.hide();
        creation.show();
        QVERIFY(creation.champs().sedt_nom()->text().isEmpty());
        QVERIFY(creation.champs().sedt_tel()->text().isEmpty());
        QCOMPARE(creation.champs().sedt_nom()->statusTip(), QStringLiteral("Tapez le nom"));
        creation.close();
    }

    void modification()
    {
        ajouterClients({{"Dupont", "Marie", "699001122", "Rue 1\nBP 2", 5000}, {"Durand", "Anne", "", ""}});
        ouvrirSession();
        montrer();
        choisirRadio("sRadioGroup_prm", 1);
        QTest::keyClicks(champRecherche(), QStringLiteral("Du "));
        cliquer("sbtnFind");
        choisirClient(QStringLiteral("2"));
        p->messages().repondre(resultat::Ok);
        p->pendantModal(
            // The grid's double-click on the selected client.
            [this] { emit grille()->doubleClicked(grille()->currentIndex()); },
            [&](QDialog& d) {
                auto* m = qobject_cast<TForm_mod_pers*>(&d);
                QVERIFY(m);
                QCOMPARE(d.windowTitle(), QStringLiteral("Modification des données du client"));
                QCOMPARE(m->mode(), 1);
                TChampsPartie& champs = m->champs();
                QCOMPARE(champs.sedt_nom()->text(), QStringLiteral("Dupont"));
                QCOMPARE(champs.sedt_prenom()->text(), QStringLiteral("Marie"));
                QCOMPARE(champs.sedt_tel()->text(), QStringLiteral("699001122"));
                QCOMPARE(champs.sMemoAdresse()->toPlainText(), QStringLiteral("Rue 1\nBP 2"));
                auto* accepter = controle<QPushButton>(d, "sbtn_acepeter");
                QVERIFY(!accepter->isEnabled());
                champs.sedt_nom()->setText(QStringLiteral(" Dumas "));
                QVERIFY(accepter->isEnabled());
                QTest::mouseClick(accepter, Qt::LeftButton);
                QVERIFY(!d.isVisible());
                QVERIFY(champs.sedt_nom()->text().isEmpty());
            });
        QCOMPARE(p->messages().textes(),
                 QStringList({"Voulez-vous garder les modifications?", "Modification éffectuée avec succès"}));
        // The accumulated purchases are left as they were.
        QCOMPARE(client(QStringLiteral("2")), QStringLiteral("Dumas|Marie|699001122|Rue 1\nBP 2|5000"));
        QCOMPARE(journal(), QStringLiteral("-Mod clt 2"));
        // The list is refreshed with the search in force: names beginning with "Du".
        QCOMPARE(codesListes(), QStringList({"2", "3"}));
        QCOMPARE(fenetre().modele().ligne(0)->nom, QStringLiteral("Dumas"));
    }

    void modificationRefusee_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<quint16>("reponse");
        QTest::addColumn<QString>("texte");
        QTest::newRow("sans nom") << ""
                                  << "Marie" << resultat::Ok << "Tapez le nom du client s'il vous plait";
        QTest::newRow("sans prénom") << "Dupont"
                                     << "" << resultat::Ok << "Tapez le prénom du client s'il vous plait";
        QTest::newRow("confirmation refusée") << "Dumas"
                                              << "Marie" << resultat::Non << "Voulez-vous garder les modifications?";
    }
    void modificationRefusee()
    {
        QFETCH(QString, nom);
        QFETCH(QString, prenom);
        QFETCH(quint16, reponse);
        QFETCH(QString, texte);
        ajouterClients({{"Dupont", "Marie", "699001122", "", 5000}});
        ouvrirSession();
        montrer();
        p->messages().repondre(reponse);
        p->pendantModal([this] { controle<QAction>("Modifier1")->trigger(); },
                        [&](QDialog& d) {
                            auto& champs = qobject_cast<TForm_mod_pers*>(&d)->champs();
                            champs.sedt_nom()->setText(nom);
                            champs.sedt_prenom()->setText(prenom);
                            // A key typed in the address box enables the button too.
                            QTest::keyClick(champs.sMemoAdresse(), Qt::Key_A);
                            QTest::mouseClick(controle<QPushButton>(d, "sbtn_acepeter"), Qt::LeftButton);
                            QCOMPARE(p->messages().textes(), QStringList {texte});
                            QVERIFY(d.isVisible());
                        });
        QCOMPARE(client(QStringLiteral("2")), QStringLiteral("Dupont|Marie|699001122||5000"));
        QCOMPARE(journal(), QString());
    }

    void suppression()
    {
        ajouterClients();
        ajouterVente(1, 3);
        ajouterVente(2, 3);
        ajouterVente(3, 2);
        ouvrirSession();
        montrer();
        choisirClient(QStringLiteral("3"));
        p->messages().repondre(resultat::Ok);
        menuGrille("Effacer1");
        QCOMPARE(p->messages().textes(),
                 QStringList({"Voulez-vous supprimer le client sélectionné?", "Client supprimé avec succès"}));
        QCOMPARE(p->messages().demandes().first().genre, genre::Personnalise);
        QCOMPARE(p->messages().demandes().first().boutons, quint16(bouton::Ok | bouton::Non));
        QCOMPARE(client(QStringLiteral("3")), QString());
        QCOMPARE(clientDeVente(1), QStringLiteral("1"));
        QCOMPARE(clientDeVente(2), QStringLiteral("1"));
        QCOMPARE(clientDeVente(3), QStringLiteral("2"));
        QVERIFY(!codesListes().contains(QStringLiteral("3")));
        QCOMPARE(codesListes().size(), CLIENTS.size() - 1);

        // A client without sales is deleted as well.
        choisirClient(QStringLiteral("5"));
        p->messages().repondre(resultat::Ok);
        menuGrille("Effacer1");
        QCOMPARE(client(QStringLiteral("5")), QString());
        QCOMPARE(journal(), QStringLiteral("-Del Clt 3-Del Clt 5"));
    }

    void suppressionRefusee_data()
    {
        QTest::addColumn<bool>("parLaBase");
        QTest::newRow("confirmation refusée") << false;
        QTest::newRow("suppression refusée par la base") << true;
    }
    void suppressionRefusee()
    {
        QFETCH(bool, parLaBase);
        ajouterClients();
        ajouterVente(1, 3);
        ouvrirSession();
        if (parLaBase) {
            if (p->module().moteur() == Moteur::SQLite) {
                p->module().executerDirect(QStringLiteral("CREATE TRIGGER refus BEFORE DELETE ON tb_client "
                                                          "BEGIN SELECT RAISE(ABORT, 'suppression refusée'); END"));
            } else {
                p->module().executerDirect(QStringLiteral("CREATE FUNCTION refuser() RETURNS trigger LANGUAGE plpgsql "
                                                          "AS $$ BEGIN RAISE EXCEPTION 'suppression refusée'; END $$"));
                p->module().executerDirect(QStringLiteral("CREATE TRIGGER refus BEFORE DELETE ON tb_client "
                                                          "FOR EACH ROW EXECUTE FUNCTION refuser()"));
            }
        }
        montrer();
        choisirClient(QStringLiteral("3"));
        p->messages().repondre(parLaBase ? resultat::Ok : resultat::Non);
        menuGrille("Effacer1");
        if (parLaBase) {
            QCOMPARE(p->messages().derniere().sorte, DemandeMessage::Sorte::Erreur);
            QVERIFY(p->messages().derniere().texte.contains(QStringLiteral("suppression refusée")));
        } else {
            QCOMPARE(p->messages().textes(), QStringList {"Voulez-vous supprimer le client sélectionné?"});
        }
        // Nothing changed: the client, its sale and the journal.
        QCOMPARE(client(QStringLiteral("3")), QStringLiteral("Martin|Paul|677123456|Rue 2|0"));
        QCOMPARE(clientDeVente(1), QStringLiteral("3"));
        QCOMPARE(journal(), QString());
        QVERIFY(codesListes().contains(QStringLiteral("3")));
    }

    void factureDuClientChoisi()
    {
        ajouterClients();
        ajouterVente(7, 1);
        Impressions impressions;
        p->pendantModal([this] { fenetre().facturer(QStringLiteral("7")); },
                        [&](QDialog& d) {
                            QCOMPARE(&d, &fenetre());
                            QVERIFY(etat().modeFacture);
                            QVERIFY(controle<QPushButton>("sBitBtn_client")->isVisible());
                            choisirClient(QStringLiteral("11"));
                            cliquer("sBitBtn_client");
                            QVERIFY(!d.isVisible());
                        });
        QCOMPARE(clientDeVente(7), QStringLiteral("11"));
        QCOMPARE(impressions.noms(), QStringList {"Report_fact_new"});
        QVERIFY(impressions.documents.first().corps.contains(QStringLiteral("O&quot;Neil"))
                || impressions.documents.first().corps.contains(QStringLiteral("O\"Neil")));
        QVERIFY(!etat().modeFacture);
        QVERIFY(etat().venteAFacturer.isEmpty());
    }

    void factureAbandonnee_data()
    {
        QTest::addColumn<QString>("fermeture");
        QTest::newRow("&Fermer") << "sbtnFermer";
        QTest::newRow("Échap") << "Escape";
        QTest::newRow("menu Fermer") << "Fermer1";
    }
    void factureAbandonnee()
    {
        QFETCH(QString, fermeture);
        ajouterClients();
        ajouterVente(7, 1);
        Impressions impressions;
        p->pendantModal([this] { fenetre().facturer(QStringLiteral("7")); },
                        [&](QDialog& d) {
                            choisirClient(QStringLiteral("4"));
                            if (fermeture == QLatin1String("Escape"))
                                QTest::keyClick(grille(), Qt::Key_Escape);
                            else if (fermeture == QLatin1String("Fermer1"))
                                controle<QAction>("Fermer1")->trigger();
                            else
                                cliquer("sbtnFermer");
                            QVERIFY(!d.isVisible());
                        });
        QCOMPARE(clientDeVente(7), QStringLiteral("1"));
        QVERIFY(impressions.documents.isEmpty());
        QVERIFY(!etat().modeFacture);
        QVERIFY(etat().venteAFacturer.isEmpty());
    }

    void impressions()
    {
        ajouterClients();
        montrer();
        Impressions impressions;
        cliquer("sbtnAcepter");
        QCOMPARE(impressions.noms(), QStringList {"Report_ClientsL"});
        // The card of the selected client, even when the list holds that client alone.
        choisirRadio("sRadioGroup_prm", 1);
        QTest::keyClicks(champRecherche(), QStringLiteral("Laur"));
        cliquer("sbtnFind");
        QCOMPARE(codesListes(), QStringList {"12"});
        menuGrille("Imprimer1");
        QCOMPARE(impressions.noms(), QStringList({"Report_ClientsL", "Report_ficheClient"}));
        QVERIFY(impressions.documents.last().corps.contains(QStringLiteral("Laurent")));
        QVERIFY(!impressions.documents.last().corps.contains(QStringLiteral("Dupont")));
    }

    void menuPrincipalOuvreEnGestion()
    {
        ajouterClients();
        // A payment left its invoice mode behind.
        etat().modeFacture = true;
        etat().venteAFacturer = QStringLiteral("7");
        p->pendantModal([this] { p->principale().executer(Commande::Clients); },
                        [&](QDialog& d) {
                            QCOMPARE(&d, &fenetre());
                            QVERIFY(!etat().modeFacture);
                            QVERIFY(!controle<QPushButton>("sBitBtn_client")->isVisible());
                            QVERIFY(controle<QPushButton>("sbtnAcepter")->isEnabled());
                            QCOMPARE(codesListes().size(), CLIENTS.size());
                        });
        QVERIFY(etat().venteAFacturer.isEmpty());
    }
};

TALVEX_TEST_FENETRES(TestFormClient)
#include "tst_formclient.moc"
