#include "enregistrement_json.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace tessor {

namespace {
const QString LARGEUR = QStringLiteral("largeur");
const QString HAUTEUR = QStringLiteral("hauteur");
const QString CAVALIER = QStringLiteral("cavalier");
const QString NIVEAUX = QStringLiteral("niveaux");
const QString PROFONDEURS = QStringLiteral("profondeurs");
const QString DEPARTS = QStringLiteral("departs");
const QString COUPS = QStringLiteral("coups");

// The first fault of a record.
struct Faute {
    QString message;
};

// A fault of the value that `ou` names: « champ », or « coups » : action 3.
Faute faute(const QString& ou, const QString& texte) {
    return {ou + QStringLiteral(" : ") + texte};
}

QString guillemets(const QString& nom) {
    return QStringLiteral("« %1 »").arg(nom);
}

// Any whole number the game's values can hold; the game checks their limits.
int16 entier(const QJsonValue& v, const QString& ou) {
    constexpr int min = std::numeric_limits<int16>::min();
    constexpr int max = std::numeric_limits<int16>::max();
    const double d = v.toDouble();
    if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d)) {
        throw faute(ou, QStringLiteral("entier attendu"));
    }
    if (d < min || d > max) {
        throw faute(ou, QStringLiteral("valeur hors limites (%1 à %2)").arg(min).arg(max));
    }
    return static_cast<int16>(d);
}

Case une_case(const QJsonValue& v, const QString& ou) {
    const QJsonArray xy = v.toArray();
    if (!v.isArray() || xy.size() != 2) {
        throw faute(ou, QStringLiteral("case [x, y] attendue"));
    }
    return {entier(xy[0], ou), entier(xy[1], ou)};
}

// One action [action, joueur, x, y, niveau, profondeur].
Action action(const QJsonValue& v, const QString& ou) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 6) {
        throw faute(ou, QStringLiteral("[action, joueur, x, y, niveau, profondeur] attendu"));
    }
    const QString genre = a[0].toString();
    if (genre != u"P" && genre != u"D" && genre != u"M") {
        throw faute(ou, QStringLiteral("action « P », « D » ou « M » attendue"));
    }
    return {static_cast<Evenement::Genre>(genre[0].toLatin1()), entier(a[1], ou),
            une_case(QJsonArray{a[2], a[3]}, ou), entier(a[4], ou), entier(a[5], ou)};
}

class Lecture {
  public:
    explicit Lecture(const QJsonObject& objet) : objet_(objet) {}

    Enregistrement enregistrement() const {
        Enregistrement e;
        e.regles.largeur = entier(champ(LARGEUR), guillemets(LARGEUR));
        e.regles.hauteur = entier(champ(HAUTEUR), guillemets(HAUTEUR));
        const QJsonValue cavalier = champ(CAVALIER);
        if (!cavalier.isBool()) {
            throw faute(guillemets(CAVALIER), QStringLiteral("booléen attendu"));
        }
        e.regles.cavalier = cavalier.toBool();
        e.niveaux = deux<int16>(NIVEAUX, QStringLiteral("deux niveaux attendus"), entier);
        e.profondeurs =
            deux<int16>(PROFONDEURS, QStringLiteral("deux profondeurs attendues"), entier);
        e.departs = deux<Case>(DEPARTS, QStringLiteral("deux cases [x, y] attendues"), une_case);
        e.actions = actions();
        termine();
        return e;
    }

  private:
    QJsonValue champ(const QString& nom) const {
        const QJsonValue v = objet_.value(nom);
        if (v.isUndefined()) {
            throw Faute{QStringLiteral("champ manquant : « %1 »").arg(nom)};
        }
        return v;
    }

    // A field of two values, one for each player, each read by `lit`.
    template <typename T>
    std::array<T, 2> deux(const QString& nom, const QString& attendu,
                          T (*lit)(const QJsonValue&, const QString&)) const {
        const QJsonValue v = champ(nom);
        const QJsonArray paire = v.toArray();
        if (!v.isArray() || paire.size() != 2) {
            throw faute(guillemets(nom), attendu);
        }
        return {lit(paire[0], guillemets(nom)), lit(paire[1], guillemets(nom))};
    }

    std::vector<Action> actions() const {
        const QJsonValue v = champ(COUPS);
        if (!v.isArray()) {
            throw faute(guillemets(COUPS), QStringLiteral("liste attendue"));
        }
        std::vector<Action> liste;
        for (const QJsonValue& a : v.toArray()) {
            liste.push_back(
                action(a, QStringLiteral("« coups » : action %1").arg(liste.size() + 1)));
        }
        return liste;
    }

    void termine() const {
        for (auto it = objet_.begin(); it != objet_.end(); ++it) {
            if (!QStringList{LARGEUR, HAUTEUR, CAVALIER, NIVEAUX, PROFONDEURS, DEPARTS, COUPS}
                     .contains(it.key())) {
                throw Faute{QStringLiteral("champ inconnu : « %1 »").arg(it.key())};
            }
        }
    }

    const QJsonObject& objet_;
};
} // namespace

QJsonObject json_enregistrement(const Enregistrement& e) {
    QJsonArray coups;
    for (const Action& a : e.actions) {
        coups.append(QJsonArray{QString(QLatin1Char(static_cast<char>(a.genre))), a.joueur,
                                a.lieu.x, a.lieu.y, a.niveau, a.profondeur});
    }
    const auto paire = [](int16 a, int16 b) { return QJsonArray{a, b}; };
    return {{LARGEUR, e.regles.largeur},
            {HAUTEUR, e.regles.hauteur},
            {CAVALIER, e.regles.cavalier},
            {NIVEAUX, paire(e.niveaux[0], e.niveaux[1])},
            {PROFONDEURS, paire(e.profondeurs[0], e.profondeurs[1])},
            {DEPARTS, QJsonArray{paire(e.departs[0].x, e.departs[0].y),
                                 paire(e.departs[1].x, e.departs[1].y)}},
            {COUPS, coups}};
}

std::optional<Enregistrement> lit_enregistrement(const QJsonObject& objet, QString& erreur) {
    try {
        return Lecture(objet).enregistrement();
    } catch (const Faute& f) {
        erreur = f.message;
        return std::nullopt;
    }
}

std::optional<Enregistrement> lit_texte_enregistrement(const QString& texte, QString& erreur) {
    QJsonParseError e{};
    const QJsonDocument document = QJsonDocument::fromJson(texte.toUtf8(), &e);
    if (e.error != QJsonParseError::NoError || !document.isObject()) {
        erreur = QStringLiteral("le texte n'est pas un objet JSON");
        return std::nullopt;
    }
    return lit_enregistrement(document.object(), erreur);
}

} // namespace tessor
