#pragma once

#include "shell/messages.h"

#include <QMessageBox>

#include <memory>
#include <utility>
#include <vector>

class QPushButton;

namespace talvex {

// Title and icon of a kind of message; a kind outside 0..4 is shown as the custom kind.
QString titreMessage(int genre);
QMessageBox::Icon iconeMessage(int genre);

// The application's title as message boxes show it in their caption.
QString titreApplication();

// The dialog afficherMessage shows, built without being shown so that its buttons can be
// inspected. Buttons stand left to right in bit order, each tied to its result code.
class DialogueMessage : public QMessageBox
{
    Q_OBJECT

public:
    DialogueMessage(const QString& texte, int genre, quint16 boutons, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the result code of the button pressed
    // (2 when the dialog is closed by its close box).
    quint16 executer();

    // The result code the dialog ended with; 0 while no button was pressed.
    quint16 resultat() const { return m_resultat; }
    // The button giving a result code, or null when the dialog has none.
    QPushButton* boutonPour(quint16 code) const;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    std::vector<std::pair<QPushButton*, quint16>> m_boutons;
    quint16 m_resultat = 0;
};

// The plain box of afficherBoite and afficherErreur: the text, one "OK" button, no icon
// or the stop icon. An empty title means the application's title.
std::unique_ptr<QMessageBox> construireBoite(const QString& texte, const QString& titre, IconeBoite icone);

} // namespace talvex
