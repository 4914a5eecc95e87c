#include "support/messagesscriptees.h"

#include <QStringList>

namespace talvex::test {

MessagesScriptees::MessagesScriptees()
    : m_precedent(remplacerRepondeur([this](const DemandeMessage& demande) { return repondreA(demande); }))
{
}

MessagesScriptees::~MessagesScriptees()
{
    remplacerRepondeur(std::move(m_precedent));
}

void MessagesScriptees::repondre(quint16 resultat)
{
    m_reponses.push_back(resultat);
}

const DemandeMessage& MessagesScriptees::derniere() const
{
    static const DemandeMessage aucune;
    return m_demandes.isEmpty() ? aucune : m_demandes.constLast();
}

QStringList MessagesScriptees::textes() const
{
    QStringList resultat;
    for (const DemandeMessage& demande : m_demandes)
        resultat.append(demande.texte);
    return resultat;
}

quint16 MessagesScriptees::repondreA(const DemandeMessage& demande)
{
    m_demandes.append(demande);
    if (demande.sorte != DemandeMessage::Sorte::Dialogue)
        return 0;
    if (m_reponses.empty())
        return resultat::Ok;
    const quint16 reponse = m_reponses.front();
    m_reponses.pop_front();
    return reponse;
}

} // namespace talvex::test
