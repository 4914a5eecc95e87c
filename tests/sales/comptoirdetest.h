#pragma once

#include "boutiquedetest.h"
#include "core/etat.h"
#include "core/horloge.h"
#include "core/panier.h"
#include "sales/fenetresvente.h"
#include "sales/formvente.h"
#include "support/basedetest.h"
#include "support/messagesscriptees.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace talvex::test {

// The counter for one test: a fresh database holding the test shop, a seller logged in,
// a fixed clock, scripted messages, and the windows of selling under a stand-in for the
// main window.
class ComptoirDeTest
{
public:
    ComptoirDeTest()
    {
        reinitialiserEtat();
        boutiqueDeTest(m_base.module());
        m_horloge = horloge::remplacerSource([] { return QDateTime(QDate(2024, 3, 15), QTime(10, 0)); });
        TUtilisateur vendeur;
        vendeur.codeutilisateur = "1";
        vendeur.login = "admin";
        etat().utilisateurCourant = vendeur;
        creerFenetresVente(principale);
    }
    ComptoirDeTest(const ComptoirDeTest&) = delete;
    ComptoirDeTest& operator=(const ComptoirDeTest&) = delete;
    ~ComptoirDeTest()
    {
        horloge::remplacerSource(std::move(m_horloge));
        reinitialiserEtat();
    }

    TDataModule_TALVEX& module() { return m_base.module(); }
    MessagesScriptees& messages() { return m_messages; }
    TForm_Vente& vente() { return *principale.findChild<TForm_Vente*>(); }

    template<typename Widget = QLineEdit>
    static Widget* dans(const QWidget& fenetre, const char* nom)
    {
        auto* w = fenetre.findChild<Widget*>(QString::fromLatin1(nom));
        if (!w)
            qFatal("no control %s", nom);
        return w;
    }
    template<typename Widget = QLineEdit>
    Widget* controle(const char* nom)
    {
        return dans<Widget>(vente(), nom);
    }

    // Opens the sale window (modeless here, so that the test can drive it) and makes it active.
    bool ouvrir()
    {
        vente().show();
        return activer(vente());
    }

    // Makes the window the active one, once the activations still under way are done.
    static bool activer(QWidget& fenetre)
    {
        QCoreApplication::processEvents();
        fenetre.activateWindow();
        return QTest::qWaitFor([&fenetre] { return QApplication::activeWindow() == &fenetre; });
    }

    // A code typed (or scanned) in the code field, then Enter.
    void scanner(const QString& code)
    {
        QLineEdit* champ = controle("sedtCodeArticle");
        QTest::keyClicks(champ, code);
        QTest::keyClick(champ, Qt::Key_Return);
    }

    QString cellule(int ligne, int colonne) { return vente().panier().index(ligne, colonne).data().toString(); }

    // Runs `ouvrir`, which shows the modal window named `nom` (at once, or a moment later
    // as a button's key does), and `pendant` on it once it is up and active; the window is
    // closed (reject) if `pendant` leaves it open. False when that window was not shown.
    static bool
    pendantModal(const char* nom, const std::function<void()>& ouvrir, const std::function<void(QDialog&)>& pendant)
    {
        bool vu = false;
        QWidget* avant = QApplication::activeWindow();
        QTimer guetteur;
        guetteur.setInterval(5);
        QObject::connect(&guetteur, &QTimer::timeout, [&] {
            auto* fenetre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!fenetre || fenetre->objectName() != QLatin1String(nom))
                return;
            guetteur.stop();
            vu = true;
            if (!activer(*fenetre))
                qWarning("%s is not active", nom);
            pendant(*fenetre);
            if (fenetre->isVisible())
                fenetre->reject();
        });
        guetteur.start();
        ouvrir();
        if (!vu && !QTest::qWaitFor([&vu] { return vu; }, 1000))
            qWarning("%s was not shown", nom);
        guetteur.stop();
        // As a window manager would: the window that opened it is active again.
        if (avant && avant->isVisible() && !activer(*avant))
            qWarning("the window under %s is not active again", nom);
        return vu;
    }

private:
    BaseDeTest m_base;
    MessagesScriptees m_messages;
    horloge::Source m_horloge;

public:
    // Last, so that the windows go before the database.
    QWidget principale;
};

} // namespace talvex::test
