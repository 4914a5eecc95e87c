#include "shell/dialoguemessage.h"
#include "shell/messages.h"
#include "support/messagesscriptees.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace talvex;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(talvex::IconeBoite)

namespace {

const QString TITRE_APPLICATION = QStringLiteral("TALVEX - BOUTIQUE DU TEST");

// The dialog's push buttons as the user sees them, left to right.
QList<QPushButton*> boutonsVisibles(const QMessageBox& boite)
{
    QList<QPushButton*> boutons = boite.findChildren<QPushButton*>();
    boutons.removeIf([](const QPushButton* b) { return !b->isVisible(); });
    std::sort(boutons.begin(), boutons.end(), [&boite](const QPushButton* a, const QPushButton* b) {
        return a->mapTo(&boite, QPoint()).x() < b->mapTo(&boite, QPoint()).x();
    });
    return boutons;
}

QStringList libelles(const QList<QPushButton*>& boutons)
{
    QStringList textes;
    for (const QPushButton* b : boutons)
        textes.append(b->text());
    return textes;
}

// Where a key typed by the user lands on a dialog: its focused button, else the dialog.
QWidget* cibleClavier(QMessageBox& boite)
{
    return boite.focusWidget() ? boite.focusWidget() : &boite;
}

// Runs `action` on the modal message box once it is on screen, so that a test can answer
// a dialog shown by the code under test. Should no box appear, nothing is done and the
// caller's own check fails.
void agirSurBoite(std::function<void(QMessageBox&)> action, int essais = 200)
{
    QTimer::singleShot(10, [action = std::move(action), essais]() mutable {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite && boite->isVisible())
            action(*boite);
        else if (essais > 0)
            agirSurBoite(std::move(action), essais - 1);
    });
}

// Closes the box as its close box would; false when the box refused to close (it is then
// hidden, so that the test does not hang on it).
bool fermerParLaCaseDeFermeture(QMessageBox& boite)
{
    boite.windowHandle()->close();
    if (!boite.isVisible())
        return true;
    boite.hide();
    return false;
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void genres_data();
    void genres();
    void boutons_data();
    void boutons();
    void boutonsRendentLeurCode_data();
    void boutonsRendentLeurCode();
    void entreeEtEchap_data();
    void entreeEtEchap();
    void caseDeFermetureRend2_data();
    void caseDeFermetureRend2();
    void lettreDuLibellePresseLeBouton();
    void texteMontreTelQuel();
    void boite_data();
    void boite();
    void erreurMontreeAvecIconeStop();
    void repondeurVoitChaqueMessage();
    void repondeurRemisEnPlace();
};

void TestMessages::initTestCase()
{
    QApplication::setApplicationDisplayName(TITRE_APPLICATION);
}

void TestMessages::genres_data()
{
    QTest::addColumn<int>("genre");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QMessageBox::Icon>("icone");

    QTest::newRow("0 avertissement") << 0 << QStringLiteral("Message d'Avertissement") << QMessageBox::Warning;
    QTest::newRow("1 erreur") << 1 << QStringLiteral("Message d'erreur") << QMessageBox::Critical;
    QTest::newRow("2 information") << 2 << QStringLiteral("Message d'information") << QMessageBox::Information;
    QTest::newRow("3 confirmation") << 3 << QStringLiteral("Message de confirmation") << QMessageBox::Question;
    QTest::newRow("4 personnalise") << 4 << QStringLiteral("Système de gestion -QRV Nord") << QMessageBox::NoIcon;
    QTest::newRow("hors des genres") << 9 << QStringLiteral("Système de gestion -QRV Nord") << QMessageBox::NoIcon;
}

void TestMessages::genres()
{
    QFETCH(int, genre);
    QFETCH(QString, titre);
    QFETCH(QMessageBox::Icon, icone);

    const DialogueMessage dialogue(QStringLiteral("Texte"), genre, bouton::Ok);
    QCOMPARE(dialogue.windowTitle(), titre);
    QCOMPARE(dialogue.icon(), icone);
    QCOMPARE(dialogue.text(), QStringLiteral("Texte"));

    // The responder is told the same title the user would read.
    test::MessagesScriptees messages;
    afficherMessage(QStringLiteral("Texte"), genre, bouton::Ok);
    QCOMPARE(messages.derniere().titre, titre);
}

void TestMessages::boutons_data()
{
    QTest::addColumn<quint16>("boutons");
    QTest::addColumn<QStringList>("attendus");
    QTest::addColumn<QString>("defaut");
    QTest::addColumn<QString>("echap");

    const QString aucun;
    QTest::newRow("3 Oui Non") << quint16(3) << QStringList {u"&Oui"_s, u"&Non"_s} << u"&Oui"_s << u"&Non"_s;
    QTest::newRow("6 Non Ok") << quint16(6) << QStringList {u"&Non"_s, u"&Ok"_s} << u"&Ok"_s << u"&Non"_s;
    QTest::newRow("4 Ok") << quint16(4) << QStringList {u"&Ok"_s} << u"&Ok"_s << u"&Ok"_s;
    QTest::newRow("12 Ok Annuler") << quint16(12) << QStringList {u"&Ok"_s, u"&Annuler"_s} << u"&Ok"_s << u"&Annuler"_s;
    QTest::newRow("32 Retenter") << quint16(32) << QStringList {u"&Retenter"_s} << u"&Retenter"_s << aucun;
    QTest::newRow("1 Oui") << quint16(1) << QStringList {u"&Oui"_s} << u"&Oui"_s << aucun;
    QTest::newRow("2 Non") << quint16(2) << QStringList {u"&Non"_s} << aucun << u"&Non"_s;
    QTest::newRow("112 Abandonner Retenter Ignorer")
        << quint16(112) << QStringList {u"A&bandonner"_s, u"&Retenter"_s, u"&Ignorer"_s} << u"&Retenter"_s << aucun;
    QTest::newRow("1023 tous") << quint16(1023)
                               << QStringList {u"&Oui"_s,
                                               u"&Non"_s,
                                               u"&Ok"_s,
                                               u"&Annuler"_s,
                                               u"A&bandonner"_s,
                                               u"&Retenter"_s,
                                               u"&Ignorer"_s,
                                               u"&Tout"_s,
                                               u"Non pour tout"_s,
                                               u"Oui pour tout"_s}
                               << u"&Ok"_s << u"&Annuler"_s;
    QTest::newRow("aide ignoree") << quint16(1024 | 1) << QStringList {u"&Oui"_s} << u"&Oui"_s << aucun;
    QTest::newRow("aucun: Ok") << quint16(0) << QStringList {u"&Ok"_s} << u"&Ok"_s << u"&Ok"_s;
}

void TestMessages::boutons()
{
    QFETCH(quint16, boutons);
    QFETCH(QStringList, attendus);
    QFETCH(QString, defaut);
    QFETCH(QString, echap);

    DialogueMessage dialogue(QStringLiteral("Question ?"), genre::Confirmation, boutons);
    dialogue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogue));
    QCOMPARE(libelles(boutonsVisibles(dialogue)), attendus);
    QCOMPARE(dialogue.defaultButton() ? dialogue.defaultButton()->text() : QString(), defaut);
    QCOMPARE(dialogue.escapeButton() ? dialogue.escapeButton()->text() : QString(), echap);
}

void TestMessages::boutonsRendentLeurCode_data()
{
    QTest::addColumn<quint16>("boutons");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("3 Oui Non") << quint16(3) << QList<int> {6, 7};
    QTest::newRow("6 Non Ok") << quint16(6) << QList<int> {7, 1};
    QTest::newRow("32 Retenter") << quint16(32) << QList<int> {4};
    QTest::newRow("1023 tous") << quint16(1023) << QList<int> {6, 7, 1, 2, 3, 4, 5, 8, 9, 10};
}

void TestMessages::boutonsRendentLeurCode()
{
    QFETCH(quint16, boutons);
    QFETCH(QList<int>, codes);

    for (int rang = 0; rang < codes.size(); ++rang) {
        agirSurBoite([rang](QMessageBox& boite) {
            const QList<QPushButton*> visibles = boutonsVisibles(boite);
            if (rang < visibles.size())
                QTest::mouseClick(visibles.at(rang), Qt::LeftButton);
            else
                fermerParLaCaseDeFermeture(boite);
        });
        QCOMPARE(int(afficherMessage(QStringLiteral("Question ?"), genre::Information, boutons)), codes.at(rang));
    }
}

void TestMessages::entreeEtEchap_data()
{
    QTest::addColumn<quint16>("boutons");
    QTest::addColumn<int>("entree");
    QTest::addColumn<int>("echap"); // 0: Esc does nothing

    QTest::newRow("3 Oui Non") << quint16(3) << 6 << 7;
    QTest::newRow("6 Non Ok") << quint16(6) << 1 << 7;
    QTest::newRow("12 Ok Annuler") << quint16(12) << 1 << 2;
    QTest::newRow("4 Ok") << quint16(4) << 1 << 1;
    QTest::newRow("32 Retenter") << quint16(32) << 4 << 0;
    QTest::newRow("1 Oui") << quint16(1) << 6 << 0;
    QTest::newRow("112 Abandonner Retenter Ignorer") << quint16(112) << 4 << 0;
    QTest::newRow("1023 tous") << quint16(1023) << 1 << 2;
}

void TestMessages::entreeEtEchap()
{
    QFETCH(quint16, boutons);
    QFETCH(int, entree);
    QFETCH(int, echap);

    agirSurBoite([](QMessageBox& boite) { QTest::keyClick(cibleClavier(boite), Qt::Key_Return); });
    QCOMPARE(int(afficherMessage(QStringLiteral("Question ?"), genre::Confirmation, boutons)), entree);

    bool resteOuvert = false;
    agirSurBoite([&resteOuvert](QMessageBox& boite) {
        QTest::keyClick(cibleClavier(boite), Qt::Key_Escape);
        resteOuvert = boite.isVisible() && fermerParLaCaseDeFermeture(boite);
    });
    const quint16 reponse = afficherMessage(QStringLiteral("Question ?"), genre::Confirmation, boutons);
    if (echap == 0) {
        QVERIFY2(resteOuvert, "Esc must leave a dialog without Annuler, Non or Ok open, and its close box close it");
        QCOMPARE(reponse, resultat::Annuler); // from the close box
    } else {
        QVERIFY(!resteOuvert);
        QCOMPARE(int(reponse), echap);
    }
}

void TestMessages::caseDeFermetureRend2_data()
{
    QTest::addColumn<quint16>("boutons");

    QTest::newRow("3 Oui Non") << quint16(3);
    QTest::newRow("4 Ok") << quint16(4);
    QTest::newRow("32 Retenter") << quint16(32);
    QTest::newRow("6 Non Ok") << quint16(6);
    QTest::newRow("112 sans bouton d'echappement") << quint16(112);
}

void TestMessages::caseDeFermetureRend2()
{
    QFETCH(quint16, boutons);

    bool ferme = false;
    agirSurBoite([&ferme](QMessageBox& boite) { ferme = fermerParLaCaseDeFermeture(boite); });
    QCOMPARE(afficherMessage(QStringLiteral("Question ?"), genre::Personnalise, boutons), resultat::Annuler);
    QVERIFY(ferme);
}

void TestMessages::lettreDuLibellePresseLeBouton()
{
    agirSurBoite([](QMessageBox& boite) { QTest::keyClick(cibleClavier(boite), Qt::Key_N); });
    QCOMPARE(afficherMessage(QStringLiteral("Fermer le programme ?"), genre::Confirmation, 3), resultat::Non);
}

void TestMessages::texteMontreTelQuel()
{
    // A name typed by a user must not be read as markup.
    const QString texte = QStringLiteral("Article <b>Savon</b> & co\nintrouvable");
    DialogueMessage dialogue(texte, genre::Information, bouton::Ok);
    QCOMPARE(dialogue.textFormat(), Qt::PlainText);
    const auto boite = construireBoite(texte, {}, IconeBoite::Aucune);
    QCOMPARE(boite->textFormat(), Qt::PlainText);
}

void TestMessages::boite_data()
{
    QTest::addColumn<QString>("titre");
    QTest::addColumn<IconeBoite>("icone");
    QTest::addColumn<QString>("titreVu");
    QTest::addColumn<QMessageBox::Icon>("iconeVue");

    QTest::newRow("titre donne") << QStringLiteral("Connexion") << IconeBoite::Aucune << QStringLiteral("Connexion")
                                 << QMessageBox::NoIcon;
    QTest::newRow("titre de l'application")
        << QString() << IconeBoite::Aucune << TITRE_APPLICATION << QMessageBox::NoIcon;
    QTest::newRow("icone d'erreur") << QStringLiteral("Base") << IconeBoite::Erreur << QStringLiteral("Base")
                                    << QMessageBox::Critical;
}

void TestMessages::boite()
{
    QFETCH(QString, titre);
    QFETCH(IconeBoite, icone);
    QFETCH(QString, titreVu);
    QFETCH(QMessageBox::Icon, iconeVue);

    QString titreMontre;
    QMessageBox::Icon iconeMontree = QMessageBox::NoIcon;
    QStringList boutonsMontres;
    agirSurBoite([&](QMessageBox& boite) {
        titreMontre = boite.windowTitle();
        iconeMontree = boite.icon();
        boutonsMontres = libelles(boutonsVisibles(boite));
        QTest::keyClick(cibleClavier(boite), Qt::Key_Return);
    });
    afficherBoite(QStringLiteral("Connexion réussie"), titre, icone);
    QCOMPARE(titreMontre, titreVu);
    QCOMPARE(iconeMontree, iconeVue);
    QCOMPARE(boutonsMontres, QStringList {QStringLiteral("OK")});

    test::MessagesScriptees messages;
    afficherBoite(QStringLiteral("Connexion réussie"), titre, icone);
    QCOMPARE(messages.derniere().sorte, DemandeMessage::Sorte::Boite);
    QCOMPARE(messages.derniere().titre, titreVu);
    QCOMPARE(messages.derniere().texte, QStringLiteral("Connexion réussie"));
}

void TestMessages::erreurMontreeAvecIconeStop()
{
    QString titreMontre;
    QString texteMontre;
    QMessageBox::Icon iconeMontree = QMessageBox::NoIcon;
    agirSurBoite([&](QMessageBox& boite) {
        titreMontre = boite.windowTitle();
        texteMontre = boite.text();
        iconeMontree = boite.icon();
        QTest::keyClick(cibleClavier(boite), Qt::Key_Escape);
    });
    afficherErreur(QStringLiteral("Violation de contrainte"));
    QCOMPARE(titreMontre, TITRE_APPLICATION);
    QCOMPARE(texteMontre, QStringLiteral("Violation de contrainte"));
    QCOMPARE(iconeMontree, QMessageBox::Critical);
}

void TestMessages::repondeurVoitChaqueMessage()
{
    test::MessagesScriptees messages;
    messages.repondre(resultat::Non);

    QCOMPARE(afficherMessage(QStringLiteral("Supprimer la ligne ?"), genre::Confirmation, 3), resultat::Non);
    const DemandeMessage question = messages.derniere();
    QCOMPARE(question.sorte, DemandeMessage::Sorte::Dialogue);
    QCOMPARE(question.texte, QStringLiteral("Supprimer la ligne ?"));
    QCOMPARE(question.titre, QStringLiteral("Message de confirmation"));
    QCOMPARE(question.genre, 3);
    QCOMPARE(question.boutons, quint16(3));

    // Once the queue is empty, dialogs are answered Ok.
    QCOMPARE(afficherMessage(QStringLiteral("Enregistrer ?"), genre::Confirmation, 6), resultat::Ok);
    QCOMPARE(messages.reponsesEnAttente(), 0);

    // Boxes and errors take no queued answer.
    messages.repondre(resultat::Oui);
    afficherBoite(QStringLiteral("Fait"));
    afficherErreur(QStringLiteral("Disque plein"));
    QCOMPARE(messages.reponsesEnAttente(), 1);
    QCOMPARE(messages.derniere().sorte, DemandeMessage::Sorte::Erreur);
    QCOMPARE(messages.derniere().titre, TITRE_APPLICATION);
    QCOMPARE(messages.textes(),
             (QStringList {u"Supprimer la ligne ?"_s, u"Enregistrer ?"_s, u"Fait"_s, u"Disque plein"_s}));
    QCOMPARE(afficherMessage(QStringLiteral("Continuer ?"), genre::Avertissement, 3), resultat::Oui);
}

void TestMessages::repondeurRemisEnPlace()
{
    test::MessagesScriptees exterieur;
    {
        test::MessagesScriptees interieur;
        interieur.repondre(resultat::Retenter);
        QCOMPARE(afficherMessage(QStringLiteral("Code déjà utilisé"), genre::Information, 32), resultat::Retenter);
        QCOMPARE(interieur.demandes().size(), 1);
    }
    exterieur.repondre(resultat::Non);
    QCOMPARE(afficherMessage(QStringLiteral("Fournisseur introuvable"), genre::Personnalise, 2), resultat::Non);
    QCOMPARE(exterieur.textes(), QStringList {QStringLiteral("Fournisseur introuvable")});
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
