#pragma once

#include "core/datamodule.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace talvex::test {

// A fresh working directory and a fresh, empty shop database for one test.
// The engine comes from TALVEX_TEST_ENGINE ("sqlite", the default, or "postgresql");
// PostgreSQL needs TALVEX_TEST_PG, the URI of a server's maintenance database, where a
// throw-away database is created for the test and dropped after it.
class BaseDeTest
{
public:
    BaseDeTest();
    BaseDeTest(const BaseDeTest&) = delete;
    BaseDeTest& operator=(const BaseDeTest&) = delete;
    ~BaseDeTest();

    static Moteur moteurDeTest();
    static QString nomMoteur();

    const ParametresConnexion& parametres() const { return m_parametres; }
    TDataModule_TALVEX& module() { return *m_module; }
    QString dossier() const { return m_dossier.path(); }

private:
    void preparer();

    QTemporaryDir m_dossier;
    QString m_ancienDossier;
    ParametresConnexion m_parametres;
    QString m_baseCreee;
    std::unique_ptr<TDataModule_TALVEX> m_module;
};

} // namespace talvex::test
