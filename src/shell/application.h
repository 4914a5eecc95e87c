#pragma once

#include <QApplication>

namespace talvex {

// The program's application object. An exception that leaves an event handler is shown
// by the default error display (stop icon, application title, the error's text) and the
// program goes on.
class TalvexApplication : public QApplication
{
    Q_OBJECT

public:
    TalvexApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // French for Qt's own dialogs (print preview, file dialogs, standard buttons).
    void chargerTraductions();
};

// Shows an exception caught at an event handler's edge through the default error display.
void signalerException(std::exception_ptr erreur);

} // namespace talvex
