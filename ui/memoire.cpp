#include "memoire.h"

#include "game/images.h"
#include "game/partie.h"

#include <QSettings>
#include <QString>

namespace tessor {

namespace {

QString cle(const char* groupe, int joueur, const char* nom) {
    return QStringLiteral("%1%2/%3")
        .arg(QLatin1String(groupe))
        .arg(joueur + 1)
        .arg(QLatin1String(nom));
}

// A whole number within [min, max], or `defaut`.
int16 entier(const QSettings& memoire, const QString& cle, int min, int max, int16 defaut) {
    bool lu = false;
    const int valeur = memoire.value(cle).toInt(&lu);
    return lu && valeur >= min && valeur <= max ? static_cast<int16>(valeur) : defaut;
}

bool booleen(const QSettings& memoire, const QString& cle, bool defaut) {
    const QVariant v = memoire.value(cle);
    return v.isValid() ? v.toBool() : defaut;
}

} // namespace

Reglages lit_reglages(const QSettings& memoire) {
    const Reglages d;
    Reglages r;
    r.regles.largeur =
        entier(memoire, QStringLiteral("plateau/largeur"), COTE_MIN, COTE_MAX, d.regles.largeur);
    r.regles.hauteur =
        entier(memoire, QStringLiteral("plateau/hauteur"), COTE_MIN, COTE_MAX, d.regles.hauteur);
    r.regles.cavalier = booleen(memoire, QStringLiteral("plateau/cavalier"), d.regles.cavalier);
    Options& o = r.options;
    for (int k = 0; k < 2; ++k) {
        r.niveaux[k] = entier(memoire, cle("joueur", k, "niveau"), 0, NIVEAU_MAX, d.niveaux[k]);
        const QVariant nom = memoire.value(cle("joueur", k, "nom"));
        o.noms[k] = nom.isValid() ? nom.toString().toStdString() : d.options.noms[k];
        o.pions[k] = entier(memoire, cle("joueur", k, "pion"), 0, NB_PIONS - 1, d.options.pions[k]);
    }
    if (o.pions[0] == o.pions[1]) {
        o.pions = d.options.pions;
    }
    o.mur = entier(memoire, QStringLiteral("plateau/mur"), 0, NB_MURS_DESSINS - 1, d.options.mur);
    o.dernier_coup = booleen(memoire, QStringLiteral("menu/dernier_coup"), d.options.dernier_coup);
    o.vitesse =
        static_cast<Vitesse>(entier(memoire, QStringLiteral("menu/vitesse"), 0, NB_VITESSES - 1,
                                    static_cast<int16>(d.options.vitesse)));
    return r;
}

void ecrit_reglages(QSettings& memoire, const Reglages& r) {
    memoire.setValue(QStringLiteral("plateau/largeur"), r.regles.largeur);
    memoire.setValue(QStringLiteral("plateau/hauteur"), r.regles.hauteur);
    memoire.setValue(QStringLiteral("plateau/cavalier"), r.regles.cavalier);
    memoire.setValue(QStringLiteral("plateau/mur"), r.options.mur);
    for (int k = 0; k < 2; ++k) {
        memoire.setValue(cle("joueur", k, "niveau"), r.niveaux[k]);
        memoire.setValue(cle("joueur", k, "nom"), QString::fromStdString(r.options.noms[k]));
        memoire.setValue(cle("joueur", k, "pion"), r.options.pions[k]);
    }
    memoire.setValue(QStringLiteral("menu/dernier_coup"), r.options.dernier_coup);
    memoire.setValue(QStringLiteral("menu/vitesse"), static_cast<int>(r.options.vitesse));
}

} // namespace tessor
