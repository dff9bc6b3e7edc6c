// Copying the window model onto the widgets of the main window.
#include "form1.h"

#include "picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace tessor {

namespace {

QString texte(const Element& e) {
    return QString::fromStdString(e.texte);
}

void copie_texte(QLabel* label, const Element& e) {
    const QString t = texte(e);
    if (label->text() != t) {
        label->setText(t);
    }
}

// Visibility and top-left corner.
void place(QWidget* w, const Element& e) {
    w->move(e.left, e.top);
    w->setVisible(e.visible);
}

void trace(QWidget* w, const Ligne& l) {
    w->setGeometry(QRect(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)));
    w->setVisible(l.visible);
}

// The status sign is placed in twips, 15 to the pixel.
int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

} // namespace

void Form1::synchronise() {
    synchronise_plateau();
    synchronise_panneau_jeu();
    synchronise_panneau_aide();
    synchronise_menu();
}

void Form1::synchronise_plateau() {
    const Fenetre& f = jeu_.fenetre;
    for (std::size_t k = 0; k < f.cible2.size(); ++k) {
        place(plateau_.cible2[k], f.cible2[k]);
    }
    place(plateau_.aidepion, f.aidepion);
    for (int k = 0; k < NB_LIGNES; ++k) {
        trace(plateau_.lignevert[k], f.lignevert[k]);
        trace(plateau_.lignehori[k], f.lignehori[k]);
    }
    for (int k = 0; k < NB_LETTRES; ++k) {
        copie_texte(plateau_.lettrehaut[k], f.lettrehaut[k]);
        place(plateau_.lettrehaut[k], f.lettrehaut[k]);
        copie_texte(plateau_.lettregauche[k], f.lettregauche[k]);
        place(plateau_.lettregauche[k], f.lettregauche[k]);
    }
    for (int k = 1; k < NB_MARQUEURS; ++k) {
        plateau_.mur[k]->setPixmap(pixmaps_[f.mur[k].image]);
        place(plateau_.mur[k], f.mur[k]);
    }
    for (int k = 0; k < 2; ++k) {
        plateau_.dessinpion[k]->setPixmap(pixmaps_[f.dessinpion[k].image]);
        place(plateau_.dessinpion[k], f.dessinpion[k]);
    }
}

void Form1::synchronise_panneau_jeu() {
    const Fenetre& f = jeu_.fenetre;
    PanneauJeu& p = panneau_jeu_;
    place(p.sspanel3, f.sspanel3);
    p.aff_joueur->setPixmap(pixmaps_[f.aff_joueur[0].image]);
    copie_texte(p.label7, f.label7);
    p.picture2->setPixmap(pixmaps_[f.picture2[0].image]);
    p.picture2->move(pixels(f.picture2[0].left), pixels(f.picture2[0].top));
    p.image1_3->setPixmap(pixmaps_[f.image1[3].image]);
    p.picture4->setPixmap(pixmaps_[f.picture4[0].image]);
    p.picture5->setPixmap(pixmaps_[f.picture5[0].image]);
    p.picture5->setEnabled(f.picture5[0].actif);
    p.picture6->setPixmap(pixmaps_[f.picture6[0].image]);
    p.picture6->setEnabled(f.picture6[0].actif);
}

void Form1::synchronise_panneau_aide() {
    const Fenetre& f = jeu_.fenetre;
    place(panneau_aide_.sspanel5, f.sspanel5);
    for (int k = 0; k < 2; ++k) {
        panneau_aide_.bouton_aide[k]->setPixmap(pixmaps_[f.bouton_aide[k].image]);
    }
}

void Form1::synchronise_menu() {
    const Fenetre& f = jeu_.fenetre;
    menu_.menu->setVisible(f.menu.visible);
    for (int k = 0; k < 3; ++k) {
        menu_.image1[k]->setPixmap(pixmaps_[f.image1[k].image]);
        menu_.command1[k]->setText(texte(f.command1[k]));
    }
    for (int k = 0; k < 2; ++k) {
        copie_texte(menu_.label2[k], f.label2[k]);
        // Rewriting the box while the player types would move the cursor.
        if (menu_.text1[k]->text() != texte(f.text1[k])) {
            menu_.text1[k]->setText(texte(f.text1[k]));
        }
    }
}

} // namespace tessor
