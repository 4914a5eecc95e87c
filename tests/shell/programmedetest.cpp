#include "programmedetest.h"

#include "core/datamodule.h"
#include "core/empreinte.h"
#include "core/etat.h"
#include "shell/formprinc.h"
#include "shell/programme.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

namespace talvex::test {

ProgrammeDeTest::ProgrammeDeTest(const std::function<void()>& avantFenetres)
    : maintenant(QDate(2024, 3, 15), QTime(9, 30, 12))
{
    QStandardPaths::setTestModeEnabled(true);
    reinitialiserEtat();
    if (avantFenetres)
        avantFenetres();
    m_horlogePrecedente = horloge::remplacerSource([this] { return maintenant; });
    m_programme = std::make_unique<Programme>([] {});
    principale().show();
}

ProgrammeDeTest::~ProgrammeDeTest()
{
    m_programme.reset();
    horloge::remplacerSource(std::move(m_horlogePrecedente));
    reinitialiserEtat();
}

TForm_princ& ProgrammeDeTest::principale() const
{
    return m_programme->principale();
}

QAction* ProgrammeDeTest::entree(const QString& nom) const
{
    auto* action = principale().findChild<QAction*>(nom);
    if (!action)
        qFatal("no menu entry %s", qPrintable(nom));
    return action;
}

void ProgrammeDeTest::choisir(const QString& nom)
{
    QMetaObject::invokeMethod(entree(nom), &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::processEvents();
}

void ProgrammeDeTest::pendantModal(const std::function<void()>& ouvrir, const std::function<void(QDialog&)>& pendant)
{
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* fenetre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!fenetre)
            return;
        vu = true;
        pendant(*fenetre);
        if (fenetre->isVisible())
            fenetre->reject();
    });
    ouvrir();
    if (!vu)
        qWarning("no modal window was shown");
}

void ProgrammeDeTest::saisirConnexion(QDialog& connexion, const QString& login, const QString& motDePasse)
{
    auto* champLogin = connexion.findChild<QLineEdit*>(QStringLiteral("sEdit_login"));
    auto* champPasse = connexion.findChild<QLineEdit*>(QStringLiteral("sEdit_pass"));
    champLogin->clear();
    QTest::keyClicks(champLogin, login);
    QTest::keyClicks(champPasse, motDePasse);
    QTest::mouseClick(connexion.findChild<QPushButton*>(QStringLiteral("sBitBtn_ok")), Qt::LeftButton);
}

void ProgrammeDeTest::seConnecter(const QString& login, const QString& motDePasse)
{
    pendantModal([this] { entree(QStringLiteral("Deconnexion1"))->trigger(); },
                 [&](QDialog& connexion) { saisirConnexion(connexion, login, motDePasse); });
}

QString ProgrammeDeTest::ajouterUtilisateur(
    const QString& login, const QString& motDePasse, int role, const QString& statut, const QString& nom)
{
    module().executer(QStringLiteral("INSERT INTO tb_utilisateur (nom, prenom, login, pass, config, statut) "
                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                      {nom, QStringLiteral("Test"), login, empreinteMD5(motDePasse), role, statut});
    return colonne::texte(module().valeurUnique(QStringLiteral("SELECT MAX(codeutilisateur) FROM tb_utilisateur")));
}

QList<ProgrammeDeTest::LigneSession> ProgrammeDeTest::sessions()
{
    QList<LigneSession> lignes;
    module().lecturePartagee(
        QStringLiteral("SELECT datein, dateout, codeutil, incident FROM tb_session ORDER BY codesession"),
        {},
        [&lignes](const QSqlQuery& q) {
            lignes.append({colonne::date(q.value(0)),
                           colonne::date(q.value(1)),
                           colonne::texte(q.value(2)),
                           colonne::texte(q.value(3))});
        });
    return lignes;
}

} // namespace talvex::test
