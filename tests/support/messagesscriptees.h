#pragma once

#include "shell/messages.h"

#include <QList>

#include <deque>

namespace talvex::test {

// Answers the program's messages in the user's place for as long as it lives, and keeps
// every message asked. Dialogs take the queued answers in order, then 1 (Ok) once the
// queue is empty; plain boxes and error displays take no answer and are only recorded.
// The responder in place before is put back on destruction.
class MessagesScriptees
{
public:
    MessagesScriptees();
    MessagesScriptees(const MessagesScriptees&) = delete;
    MessagesScriptees& operator=(const MessagesScriptees&) = delete;
    ~MessagesScriptees();

    // Queues the result code of the next dialog still unanswered.
    void repondre(quint16 resultat);
    // Queued answers that no dialog has taken yet.
    int reponsesEnAttente() const { return static_cast<int>(m_reponses.size()); }

    const QList<DemandeMessage>& demandes() const { return m_demandes; }
    // The last message asked; an empty request (no text, kind -1) when none was.
    const DemandeMessage& derniere() const;
    // Texts of the messages asked, in order.
    QStringList textes() const;
    // Forgets the messages asked so far (the queued answers stay).
    void oublier() { m_demandes.clear(); }

private:
    quint16 repondreA(const DemandeMessage& demande);

    std::deque<quint16> m_reponses;
    QList<DemandeMessage> m_demandes;
    RepondeurMessages m_precedent;
};

} // namespace talvex::test
