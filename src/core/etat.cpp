#include "core/etat.h"

namespace talvex {

namespace {
std::unique_ptr<EtatProgramme>& etatDuProgramme()
{
    static auto etat = std::make_unique<EtatProgramme>();
    return etat;
}
} // namespace

EtatProgramme& etat()
{
    return *etatDuProgramme();
}

void reinitialiserEtat()
{
    etatDuProgramme() = std::make_unique<EtatProgramme>();
}

} // namespace talvex
