#pragma once

#include "core/horloge.h"
#include "shell/application.h"
#include "support/basedetest.h"
#include "support/messagesscriptees.h"

#include <QDateTime>
#include <QtTest>

#include <functional>
#include <memory>

class QAction;
class QDialog;

namespace talvex {
class Programme;
class TForm_princ;
} // namespace talvex

namespace talvex::test {

// The program as it starts, for one test: a fresh database and working directory, the
// process-wide state of a new run, a fixed clock, scripted messages and every window.
class ProgrammeDeTest
{
public:
    // `avantFenetres` runs in the fresh working directory before the windows are created.
    explicit ProgrammeDeTest(const std::function<void()>& avantFenetres = {});
    ProgrammeDeTest(const ProgrammeDeTest&) = delete;
    ProgrammeDeTest& operator=(const ProgrammeDeTest&) = delete;
    ~ProgrammeDeTest();

    TForm_princ& principale() const;
    MessagesScriptees& messages() { return m_messages; }
    TDataModule_TALVEX& module() { return m_base.module(); }

    // The instant the program reads as "now".
    QDateTime maintenant;

    // An entry of the menus by its object name (fails the test when missing).
    QAction* entree(const QString& nom) const;
    // Chooses a menu entry as the user would: the handler runs from the event loop, so an
    // error it raises goes to the default error display.
    void choisir(const QString& nom);

    // Runs `ouvrir`, which shows a modal window, and `pendant` on that window once it is
    // up; the window is closed (reject) if `pendant` leaves it open.
    void pendantModal(const std::function<void()>& ouvrir, const std::function<void(QDialog&)>& pendant);

    // Types the login and the password in the login window (already up) and clicks "&Connecter".
    static void saisirConnexion(QDialog& connexion, const QString& login, const QString& motDePasse);
    // "Fichier" › "Connexion", then logs in.
    void seConnecter(const QString& login, const QString& motDePasse);

    // Adds a user; returns its code.
    QString ajouterUtilisateur(const QString& login,
                               const QString& motDePasse,
                               int role,
                               const QString& statut = QStringLiteral("1"),
                               const QString& nom = QStringLiteral("Employé"));

    // The rows of tb_session, by number: datein, dateout, codeutil, incident.
    struct LigneSession
    {
        QDateTime datein;
        QDateTime dateout;
        QString codeutil;
        QString incident;
    };
    QList<LigneSession> sessions();

private:
    BaseDeTest m_base;
    MessagesScriptees m_messages;
    horloge::Source m_horlogePrecedente;
    std::unique_ptr<Programme> m_programme;
};

} // namespace talvex::test

// A test main with the program's application object, so that errors leaving event
// handlers reach the default error display as in the program.
#define TALVEX_TEST_FENETRES(Classe)                                                                                   \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        talvex::TalvexApplication application(argc, argv);                                                             \
        Classe test;                                                                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
