#include "core/calculatrice.h"

#include <QtTest>

using namespace talvex;
using Op = MoteurCalculatrice::Operation;

class TestCalculatrice : public QObject
{
    Q_OBJECT

private slots:
    void saisies_data();
    void saisies();
};

namespace {

// Plays a line of keys: digits, ',', + - * /, '=', 'C' (clear), 'E' (clear entry),
// '<' (backspace), '~' (sign).
QString jouer(const QString& touches)
{
    MoteurCalculatrice m;
    for (const QChar t : touches) {
        if (t.isDigit())
            m.chiffre(t.digitValue());
        else if (t == u',')
            m.virgule();
        else if (t == u'+')
            m.operation(Op::Addition);
        else if (t == u'-')
            m.operation(Op::Soustraction);
        else if (t == u'*')
            m.operation(Op::Multiplication);
        else if (t == u'/')
            m.operation(Op::Division);
        else if (t == u'=')
            m.egal();
        else if (t == u'C')
            m.effacer();
        else if (t == u'E')
            m.effacerSaisie();
        else if (t == u'<')
            m.retour();
        else if (t == u'~')
            m.changerSigne();
    }
    return m.affichage();
}

} // namespace

void TestCalculatrice::saisies_data()
{
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("affichage");
    QTest::newRow("départ") << ""
                            << "0";
    QTest::newRow("zéros en tête") << "007"
                                   << "7";
    QTest::newRow("enchaînement") << "2+3*4="
                                  << "20";
    QTest::newRow("décimales") << "1,5+2,25="
                               << "3,75";
    QTest::newRow("une seule virgule") << "1,,5"
                                       << "1,5";
    QTest::newRow("division") << "10/4="
                              << "2,5";
    QTest::newRow("division par zéro") << "5/0="
                                       << "Erreur";
    QTest::newRow("après une erreur") << "5/0=7"
                                      << "7";
    QTest::newRow("signe") << "12~"
                           << "-12";
    QTest::newRow("soustraction négative") << "3-5="
                                           << "-2";
    QTest::newRow("retour arrière") << "123<<"
                                    << "1";
    QTest::newRow("effacer la saisie") << "9+5E2="
                                       << "11";
    QTest::newRow("tout effacer") << "9+5C"
                                  << "0";
    QTest::newRow("grand produit") << "999999*999999="
                                   << "999998000001";
}

void TestCalculatrice::saisies()
{
    QFETCH(QString, touches);
    QFETCH(QString, affichage);
    QCOMPARE(jouer(touches), affichage);
}

QTEST_GUILESS_MAIN(TestCalculatrice)
#include "tst_calculatrice.moc"
