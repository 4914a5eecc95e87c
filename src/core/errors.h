#pragma once

#include <QString>
#include <stdexcept>

namespace talvex {

// Root of every error the program raises for the user to read. The text is French and
// is shown as it stands by the default error display.
class Erreur : public std::runtime_error
{
public:
    explicit Erreur(const QString& message);
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

// An error reported by the database engine, carrying the engine's own text.
class EErreurBase : public Erreur
{
public:
    using Erreur::Erreur;
};

// An input/output failure on a file, carrying the system's error code (errno).
class EInOutError : public Erreur
{
public:
    EInOutError(const QString& message, int code);
    int code() const noexcept { return m_code; }

private:
    int m_code;
};

// A value that cannot be converted (a code that is not a whole number, an amount with letters).
class EConvertError : public Erreur
{
public:
    using Erreur::Erreur;
};

} // namespace talvex
