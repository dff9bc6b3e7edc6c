#include "lecteur.h"

#include <algorithm>

#include <QJsonArray>

#include <cmath>

namespace tessor::analyse {

namespace {
bool est_entier(const QJsonValue& v) {
    return v.isDouble() && std::isfinite(v.toDouble()) && v.toDouble() == std::floor(v.toDouble());
}

QString intervalle(double min, double max) {
    return QStringLiteral("valeur hors limites (%1 à %2)")
        .arg(static_cast<qint64>(min))
        .arg(static_cast<qint64>(max));
}

// An integer field within min .. max; the graine needs the full unsigned 32-bit range.
double entier_borne(const QString& nom, const QJsonValue& v, double min, double max) {
    if (!est_entier(v)) {
        throw erreur_champ(nom, QStringLiteral("entier attendu"));
    }
    if (v.toDouble() < min || v.toDouble() > max) {
        throw erreur_champ(nom, intervalle(min, max));
    }
    return v.toDouble();
}
} // namespace

RequeteInvalide erreur_champ(const QString& nom, const QString& texte) {
    return {QStringLiteral("« %1 » : %2").arg(nom, texte)};
}

QJsonValue Lecteur::champ(const QString& nom) {
    lus_.insert(nom);
    const QJsonValue v = objet_.value(nom);
    if (v.isUndefined()) {
        throw RequeteInvalide{QStringLiteral("champ manquant : « %1 »").arg(nom)};
    }
    return v;
}

QString Lecteur::chaine(const QString& nom) {
    const QJsonValue v = champ(nom);
    if (!v.isString()) {
        throw erreur_champ(nom, QStringLiteral("chaîne attendue"));
    }
    return v.toString();
}

int Lecteur::entier(const QString& nom, int min, int max) {
    return static_cast<int>(entier_borne(nom, champ(nom), min, max));
}

int Lecteur::entier_ou(const QString& nom, int min, int max, int defaut) {
    if (!objet_.contains(nom)) {
        lus_.insert(nom);
        return defaut;
    }
    return entier(nom, min, max);
}

bool Lecteur::booleen(const QString& nom) {
    const QJsonValue v = champ(nom);
    if (!v.isBool()) {
        throw erreur_champ(nom, QStringLiteral("booléen attendu"));
    }
    return v.toBool();
}

QJsonObject Lecteur::objet(const QString& nom) {
    const QJsonValue v = champ(nom);
    if (!v.isObject()) {
        throw erreur_champ(nom, QStringLiteral("objet attendu"));
    }
    return v.toObject();
}

std::uint32_t Lecteur::graine() {
    const QString nom = QStringLiteral("graine");
    lus_.insert(nom);
    if (!objet_.contains(nom)) {
        return 0;
    }
    return static_cast<std::uint32_t>(entier_borne(nom, objet_.value(nom), 0, 4294967295.0));
}

Regles Lecteur::regles() {
    Regles r;
    r.largeur = static_cast<int16>(entier(QStringLiteral("largeur"), COTE_MIN, COTE_MAX));
    r.hauteur = static_cast<int16>(entier(QStringLiteral("hauteur"), COTE_MIN, COTE_MAX));
    r.cavalier = booleen(QStringLiteral("cavalier"));
    return r;
}

Situation Lecteur::situation() {
    Situation s;
    s.regles = regles();
    s.tableau = tableau(s.regles);
    return s;
}

// The board as the game sets it: the playing area from the strings, every other cell 0.
Tableau Lecteur::tableau(const Regles& regles) {
    const QString nom = QStringLiteral("lignes");
    const QJsonValue v = champ(nom);
    const QString forme = QStringLiteral("%1 chaînes de %2 caractères attendues")
                              .arg(regles.hauteur)
                              .arg(regles.largeur);
    const QJsonArray lignes = v.toArray();
    if (!v.isArray() || lignes.size() != regles.hauteur) {
        throw erreur_champ(nom, forme);
    }
    Tableau t;
    for (int y = 0; y < regles.hauteur; ++y) {
        const QString ligne = lignes[y].toString();
        if (!lignes[y].isString() || ligne.size() != regles.largeur) {
            throw erreur_champ(nom, forme);
        }
        for (int x = 0; x < regles.largeur; ++x) {
            const QChar c = ligne[x];
            if (c != u'.' && c != u'#') {
                throw erreur_champ(
                    nom, QStringLiteral("caractère « %1 » : « . » ou « # » attendu").arg(c));
            }
            t[case_numero(x, y)] = c == u'.' ? VRAI : FAUX;
        }
    }
    return t;
}

Case Lecteur::case_du_plateau(const QString& nom, const Regles& regles) {
    const QJsonValue v = champ(nom);
    const QJsonArray xy = v.toArray();
    if (!v.isArray() || xy.size() != 2 || !est_entier(xy[0]) || !est_entier(xy[1])) {
        throw erreur_champ(nom, QStringLiteral("case [x, y] attendue"));
    }
    const double x = xy[0].toDouble();
    const double y = xy[1].toDouble();
    if (x < PREMIERE_CASE || x > regles.derniere_colonne() || y < PREMIERE_CASE ||
        y > regles.derniere_ligne()) {
        throw erreur_champ(nom, QStringLiteral("case hors du plateau (x de %1 à %2, y de %1 à %3)")
                                    .arg(PREMIERE_CASE)
                                    .arg(regles.derniere_colonne())
                                    .arg(regles.derniere_ligne()));
    }
    return {static_cast<int16>(x), static_cast<int16>(y)};
}

Case Lecteur::case_de_pion(const QString& nom, const Situation& situation) {
    const Case c = case_du_plateau(nom, situation.regles);
    if (situation.tableau.libre(c)) {
        throw erreur_champ(nom, QStringLiteral("la case d'un pion ne peut pas être libre"));
    }
    return c;
}

QJsonArray Lecteur::liste(const QString& nom, int min, int max) {
    const QJsonValue v = champ(nom);
    const QJsonArray l = v.toArray();
    if (!v.isArray() || l.size() < min || l.size() > max) {
        throw erreur_champ(nom,
                           QStringLiteral("liste de %1 à %2 éléments attendue").arg(min).arg(max));
    }
    return l;
}

std::array<int, 2> Lecteur::niveaux(const QString& nom, int min, int max) {
    const QJsonValue v = champ(nom);
    const QJsonArray liste = v.toArray();
    if (!v.isArray() || liste.size() != 2) {
        throw erreur_champ(nom, QStringLiteral("deux niveaux attendus"));
    }
    return {static_cast<int>(entier_borne(nom, liste[0], min, max)),
            static_cast<int>(entier_borne(nom, liste[1], min, max))};
}

std::vector<int> Lecteur::niveaux_ou(const QString& nom, int min, int max,
                                     std::vector<int> defaut) {
    if (!objet_.contains(nom)) {
        lus_.insert(nom);
        return defaut;
    }
    std::vector<int> niveaux;
    for (const QJsonValue& v : liste(nom, 1, max - min + 1)) {
        const int n = static_cast<int>(entier_borne(nom, v, min, max));
        if (std::find(niveaux.begin(), niveaux.end(), n) != niveaux.end()) {
            throw erreur_champ(nom, QStringLiteral("niveau %1 en double").arg(n));
        }
        niveaux.push_back(n);
    }
    return niveaux;
}

void verifie_pions(const Situation& s, Case moi, Case lui, const char* qui) {
    if (moi == lui) {
        throw erreur_champ(QStringLiteral("position_adverse"),
                           QStringLiteral("les deux pions ne peuvent pas être sur la même case"));
    }
    if (s.regles.est_bloque(moi, s.tableau)) {
        throw erreur_champ(QStringLiteral("position"),
                           QString::fromUtf8(qui) + QStringLiteral(" ne peut aller nulle part"));
    }
}

void Lecteur::termine() const {
    for (auto it = objet_.begin(); it != objet_.end(); ++it) {
        if (!lus_.contains(it.key())) {
            throw RequeteInvalide{QStringLiteral("champ inconnu : « %1 »").arg(it.key())};
        }
    }
}

} // namespace tessor::analyse
