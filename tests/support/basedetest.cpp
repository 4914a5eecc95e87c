#include "support/basedetest.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <QtGlobal>

#include <stdexcept>

namespace talvex::test {

namespace {

// Runs one statement on the server's maintenance database.
void administrer(const QString& sql)
{
    const ParametresConnexion admin = ParametresConnexion::depuisUri(qEnvironmentVariable("TALVEX_TEST_PG"));
    const QString nom = QStringLiteral("talvex-admin");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nom);
        db.setHostName(admin.hote);
        db.setPort(admin.port);
        db.setDatabaseName(admin.base);
        db.setUserName(admin.utilisateur);
        db.setPassword(admin.motDePasse);
        if (!db.open())
            throw std::runtime_error("PostgreSQL: " + db.lastError().text().toStdString());
        QSqlQuery q(db);
        if (!q.exec(sql))
            throw std::runtime_error("PostgreSQL: " + q.lastError().text().toStdString());
    }
    QSqlDatabase::removeDatabase(nom);
}

} // namespace

Moteur BaseDeTest::moteurDeTest()
{
    return qEnvironmentVariable("TALVEX_TEST_ENGINE") == QLatin1String("postgresql") ? Moteur::PostgreSQL
                                                                                     : Moteur::SQLite;
}

QString BaseDeTest::nomMoteur()
{
    return moteurDeTest() == Moteur::PostgreSQL ? QStringLiteral("postgresql") : QStringLiteral("sqlite");
}

BaseDeTest::BaseDeTest()
    : m_ancienDossier(QDir::currentPath())
{
    try {
        preparer();
    } catch (const std::exception& e) {
        // Without its database no test can say anything useful: stop loudly.
        qFatal("Cannot prepare the test database: %s", e.what());
    }
}

void BaseDeTest::preparer()
{
    if (!m_dossier.isValid())
        throw std::runtime_error("cannot create a temporary directory");
    QDir::setCurrent(m_dossier.path());
    if (moteurDeTest() == Moteur::PostgreSQL) {
        if (qEnvironmentVariable("TALVEX_TEST_PG").isEmpty())
            throw std::runtime_error("TALVEX_TEST_PG is not set: run the tests through scripts/test.sh");
        m_parametres = ParametresConnexion::depuisUri(qEnvironmentVariable("TALVEX_TEST_PG"));
        m_baseCreee = QStringLiteral("talvex_t_") + QUuid::createUuid().toString(QUuid::Id128);
        administrer(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(m_baseCreee));
        m_parametres.base = m_baseCreee;
    }
    m_module = std::make_unique<TDataModule_TALVEX>(m_parametres);
}

BaseDeTest::~BaseDeTest()
{
    m_module.reset();
    if (!m_baseCreee.isEmpty()) {
        try {
            administrer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_baseCreee));
        } catch (const std::exception&) {
        }
    }
    QDir::setCurrent(m_ancienDossier);
}

} // namespace talvex::test
