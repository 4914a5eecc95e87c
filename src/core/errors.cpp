#include "core/errors.h"

namespace talvex {

Erreur::Erreur(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

EInOutError::EInOutError(const QString& message, int code)
    : Erreur(message)
    , m_code(code)
{
}

} // namespace talvex
