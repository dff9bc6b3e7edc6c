#include "polices.h"

#include <QFontDatabase>
#include <QGuiApplication>

// Q_INIT_RESOURCE declares a function at the scope where it is used, so it must stay outside
// the namespace.
static void enregistre_ressources_tessor() {
    Q_INIT_RESOURCE(tessor_assets);
}

namespace tessor {

namespace {

constexpr const char* FICHIERS_POLICES[] = {
    ":/fonts/LiberationSans-Regular.ttf",  ":/fonts/LiberationSans-Bold.ttf",
    ":/fonts/LiberationSerif-Regular.ttf", ":/fonts/LiberationSerif-Bold.ttf",
    ":/fonts/LiberationMono-Bold.ttf",     ":/fonts/terminus-normal.otb",
    ":/fonts/terminus-bold.otb",
};

// Pixel height of the only strike of the terminal font that Qt exposes.
constexpr int PIXELS_TERMINAL = 12;

QFont police(const char* famille, double points, bool gras) {
    QFont f(QString::fromLatin1(famille));
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

} // namespace

void initialise_ressources() {
    static bool fait = false;
    if (!fait) {
        enregistre_ressources_tessor();
        fait = true;
    }
}

void charge_polices() {
    initialise_ressources();
    // The application's font database goes with the application object: a new QGuiApplication
    // (as in tests) starts without our fonts. The same families may also be installed on the
    // system, so their presence proves nothing; remember which application got them instead.
    static const QCoreApplication* servie = nullptr;
    if (servie != nullptr && servie == QCoreApplication::instance()) {
        return;
    }
    for (const char* fichier : FICHIERS_POLICES) {
        QFontDatabase::addApplicationFont(QString::fromLatin1(fichier));
    }
    servie = QCoreApplication::instance();
}

QFont police_sans(double points, bool gras) {
    return police(FAMILLE_SANS, points, gras);
}

QFont police_serif(double points, bool gras) {
    return police(FAMILLE_SERIF, points, gras);
}

QFont police_terminal(double points, bool gras) {
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) {
        QFont f = police(FAMILLE_MONO, points, gras);
        f.setStyleHint(QFont::TypeWriter);
        return f;
    }
    QFont f(QString::fromLatin1(FAMILLE_TERMINAL));
    f.setPixelSize(PIXELS_TERMINAL);
    f.setBold(gras);
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace tessor
