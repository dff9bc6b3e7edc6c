#include "plateau.h"

#include "controles.h"
#include "damier.h"
#include "ecran/geometrie.h"
#include "picture.h"
#include "pointeur.h"
#include "polices.h"

#include <QLabel>

namespace tessor {

namespace {

constexpr int COTE_CASE = Geometrie::TAILLE_CASE;
const QColor GRIS_AIDE(0xE0, 0xE0, 0xE0);
const QColor ROUGE_AIDE(0xC0, 0x00, 0x00);

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
Picture* image_case(QWidget* fenetre, const char* nom, int indice) {
    auto* image = new Picture(fenetre);
    image->resize(32, 32);
    prend_pointeur(image);
    return cache(image, nom, indice);
}

} // namespace

Plateau construit_plateau(QWidget* fenetre, const Controleur& controleur) {
    Plateau p;
    p.damier = cache(new Damier(fenetre, controleur), QStringLiteral("plateau"));
    for (int k = 0; k < 8; ++k) {
        p.cible2[k] = cache(case_aide(fenetre, GRIS_AIDE), "cible2", k);
    }
    p.aidepion = cache(case_aide(fenetre, ROUGE_AIDE), QStringLiteral("aidepion"));
    for (int k = 0; k < NB_LIGNES; ++k) {
        p.lignevert[k] = ligne(fenetre, "lignevert", k);
        p.lignehori[k] = ligne(fenetre, "lignehori", k);
    }
    for (int k = 0; k < NB_LETTRES; ++k) {
        p.lettrehaut[k] = numero(fenetre, Qt::AlignHCenter, "lettrehaut", k);
        p.lettregauche[k] = numero(fenetre, Qt::AlignRight, "lettregauche", k);
    }
    for (int k = 1; k < NB_MARQUEURS; ++k) {
        p.mur[k] = image_case(fenetre, "mur", k);
    }
    for (int k = 0; k < 2; ++k) {
        p.dessinpion[k] = image_case(fenetre, "dessinpion", k);
    }
    p.curseur =
        cache(rectangle_vide(fenetre, QRect(0, 0, COTE_CASE - 1, COTE_CASE - 1), BLEU_CLAVIER, 3),
              QStringLiteral("curseur"));
    return p;
}

} // namespace tessor
