// Reading and checking the fields of one request. Every check that fails throws
// RequeteInvalide with the French message the answer carries; a field is read at most once, and
// termine() rejects the fields no handler asked for.
#pragma once

#include "situation.h"

#include <QJsonArray>
#include <QJsonObject>

#include <QSet>
#include <QString>
#include <vector>

#include <array>
#include <cstdint>
#include <utility>

namespace tessor::analyse {

struct RequeteInvalide {
    QString message;
};

class Lecteur {
  public:
    explicit Lecteur(QJsonObject objet) : objet_(std::move(objet)) {}

    // The request holds the field (an optional one the handler then reads).
    bool present(const QString& nom) const { return objet_.contains(nom); }
    QString chaine(const QString& nom);
    int entier(const QString& nom, int min, int max);
    int entier_ou(const QString& nom, int min, int max, int defaut);
    bool booleen(const QString& nom);
    QJsonObject objet(const QString& nom);
    // "largeur", "hauteur" and "cavalier".
    Regles regles();
    // The rules and the board drawn by "lignes".
    Situation situation();
    // "graine", 0 when absent.
    std::uint32_t graine();
    // A square [x, y] of the playing area.
    Case case_du_plateau(const QString& nom, const Regles& regles);
    // A square of the playing area where a pawn stands, so not free on the board.
    Case case_de_pion(const QString& nom, const Situation& situation);
    // A list of min .. max values, checked one by one by the caller.
    QJsonArray liste(const QString& nom, int min, int max);
    // Two levels [n0, n1], each within min .. max.
    std::array<int, 2> niveaux(const QString& nom, int min, int max);
    // A list of distinct levels within min .. max (at most all of them), `defaut` when absent.
    std::vector<int> niveaux_ou(const QString& nom, int min, int max, std::vector<int> defaut);
    // Rejects any field that was not read.
    void termine() const;

  private:
    QJsonValue champ(const QString& nom);
    Tableau tableau(const Regles& regles);

    QJsonObject objet_;
    QSet<QString> lus_;
};

// A message about field `nom`: « nom » : texte.
RequeteInvalide erreur_champ(const QString& nom, const QString& texte);

// Refuses two pawns on one square, and a pawn at `moi` without a move; `qui` names that pawn in
// the message ("le pion au trait", "le pion de l'ordinateur").
void verifie_pions(const Situation& s, Case moi, Case lui, const char* qui);

} // namespace tessor::analyse
