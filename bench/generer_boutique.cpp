// Builds the generated shop used by the benchmarks:
//   talvex_generer_boutique [--forcer] DIR
// DIR/boutique.db is reused when it is already up to date.
#include "boutique.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool forcer = arguments.removeAll(QStringLiteral("--forcer")) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage : talvex_generer_boutique [--forcer] DOSSIER\n");
        return 2;
    }
    try {
        std::printf("%s\n", qPrintable(talvex::bench::preparerBoutique(arguments.first(), {}, forcer)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "échec : %s\n", e.what());
        return 1;
    }
    return 0;
}
