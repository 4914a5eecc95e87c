#include "shell/application.h"

#include "core/errors.h"
#include "shell/messages.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace talvex {

TalvexApplication::TalvexApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("QRVNORD"));
    setApplicationName(QStringLiteral("TALVEX"));
    setApplicationDisplayName(QStringLiteral("TALVEX"));
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

bool TalvexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        signalerException(std::current_exception());
    }
    return false;
}

void TalvexApplication::chargerTraductions()
{
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* nom : {"qtbase_fr", "qt_fr"}) {
        auto traduction = new QTranslator(this);
        if (traduction->load(QString::fromLatin1(nom), dossier))
            installTranslator(traduction);
        else
            traduction->deleteLater();
    }
}

void signalerException(std::exception_ptr erreur)
{
    try {
        std::rethrow_exception(erreur);
    } catch (const Erreur& e) {
        afficherErreur(e.message());
    } catch (const std::exception& e) {
        afficherErreur(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        afficherErreur(QStringLiteral("Erreur inconnue."));
    }
}

} // namespace talvex
