#pragma once

class QWidget;

namespace talvex {

// Creates the windows of selling under the main window, in start-up order: the article
// picker, the quantity pop-up, the sale window and the payment window (each one only when
// it is not there yet, as the supply windows share the first two).
void creerFenetresVente(QWidget& principale);

// "Ventes" › "Facturer": shows the sale window modally.
void ouvrirVente(QWidget& principale);

} // namespace talvex
