#pragma once

#include <QIcon>
#include <QPixmap>

namespace talvex {

// The program's icon: a stack of boxes on a blue tile, drawn at the size asked.
QPixmap dessinerIcone(int taille);
QIcon iconeApplication();

} // namespace talvex
