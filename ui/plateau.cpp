#include "plateau.h"

#include "cadre_image.h"
#include "controles.h"
#include "damier.h"
#include "ecran/geometrie.h"
#include "pointeur.h"
#include "polices.h"

#include <QLabel>

namespace tessor {

namespace {

constexpr int COTE_CASE = Geometrie::TAILLE_CASE;
const QColor GRIS_AIDE(0xE0, 0xE0, 0xE0);
const QColor ROUGE_AIDE(0xC0, 0x00, 0x00);
const QColor ORANGE_DERNIER_COUP(0xFF, 0x80, 0x00);

template <typename W> W* cache(W* w, const QString& nom) {
    w->hide();
    w->setObjectName(nom);
    return w;
}

template <typename W> W* cache(W* w, const char* nom, int indice) {
    return cache(w, nom_indice(nom, indice));
}

QWidget* case_aide(QWidget* fenetre, const QColor& couleur) {
    return rectangle_plein(fenetre, QRect(0, 0, COTE_CASE, COTE_CASE), couleur);
}

QWidget* ligne(QWidget* fenetre, const char* nom, int indice) {
    return cache(rectangle_plein(fenetre, QRect(0, 0, 1, 1), Qt::black), nom, indice);
}

QLabel* numero(QWidget* fenetre, Qt::Alignment alignement, const char* nom, int indice) {
    QLabel* label = etiquette(fenetre, QRect(0, 0, COTE_CASE, 17), QString(),
                              police_terminal(9, true), Qt::black, alignement | Qt::AlignVCenter);
    label->setWordWrap(false);
    prend_pointeur(label);
    return cache(label, nom, indice);
}

// Pawns and wall markers take the pointer: a click on them is not a click on the board.
CadreImage* image_case(QWidget* fenetre, const char* nom, int indice) {
    auto* image = new CadreImage(fenetre);
    image->resize(32, 32);
    prend_pointeur(image);
    return cache(image, nom, indice);
}

} // namespace

Plateau construit_plateau(QWidget* fenetre, const Controleur& controleur) {
    Plateau p;
    p.damier = cache(new Damier(fenetre, controleur), QStringLiteral("plateau"));
    for (int k = 0; k < 8; ++k) {
        p.cases_accessibles[k] = cache(case_aide(fenetre, GRIS_AIDE), "case_accessible", k);
    }
    p.case_conseillee = cache(case_aide(fenetre, ROUGE_AIDE), QStringLiteral("case_conseillee"));
    for (int k = 0; k < NB_LIGNES; ++k) {
        p.lignes_verticales[k] = ligne(fenetre, "ligne_verticale", k);
        p.lignes_horizontales[k] = ligne(fenetre, "ligne_horizontale", k);
    }
    for (int k = 0; k < NB_NUMEROS; ++k) {
        p.numeros_colonnes[k] = numero(fenetre, Qt::AlignHCenter, "numero_colonne", k);
        p.numeros_lignes[k] = numero(fenetre, Qt::AlignRight, "numero_ligne", k);
    }
    for (int k = 1; k < NB_MARQUEURS; ++k) {
        p.murs[k] = image_case(fenetre, "mur", k);
    }
    for (int k = 0; k < 2; ++k) {
        p.pions[k] = image_case(fenetre, "pion", k);
    }
    for (int k = 0; k < 3; ++k) {
        p.dernier_coup[k] = cache(rectangle_vide(fenetre, QRect(0, 0, COTE_CASE - 1, COTE_CASE - 1),
                                                 ORANGE_DERNIER_COUP, 2),
                                  "dernier_coup", k);
    }
    p.curseur =
        cache(rectangle_vide(fenetre, QRect(0, 0, COTE_CASE - 1, COTE_CASE - 1), BLEU_CLAVIER, 3),
              QStringLiteral("curseur"));
    return p;
}

} // namespace tessor
