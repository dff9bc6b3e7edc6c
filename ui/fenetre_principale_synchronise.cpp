// Copying the screen model onto the widgets of the main window.
#include "fenetre_principale.h"

#include "accessibilite.h"
#include "cadre_image.h"
#include "damier.h"

#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShortcut>

namespace tessor {

namespace {

QString texte(const Element& e) {
    return QString::fromStdString(e.texte);
}

// Assistive technologies hear of a name only when it changes.
void nomme(QWidget* w, const QString& nom) {
    if (w->accessibleName() != nom) {
        w->setAccessibleName(nom);
    }
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

} // namespace

// The board comes first: shown before the options screen hides, it takes the keyboard focus that
// the options screen's controls give up.
void FenetrePrincipale::synchronise() {
    synchronise_plateau();
    synchronise_panneau_jeu();
    synchronise_panneau_aide();
    synchronise_menu();
    synchronise_menu_contextuel();
    memorise();
    for (QShortcut* r : raccourcis_) {
        r->setEnabled(controleur_.jeu().en_partie());
    }
    if (controleur_.ecran().minuterie && !minuterie_.isActive() &&
        controleur_.bouton_relachable()) {
        minuterie_.start();
    }
}

void FenetrePrincipale::synchronise_plateau() {
    const Ecran& e = controleur_.ecran();
    for (std::size_t k = 0; k < e.cases_accessibles.size(); ++k) {
        place(plateau_.cases_accessibles[k], e.cases_accessibles[k]);
    }
    place(plateau_.case_conseillee, e.case_conseillee);
    for (int k = 0; k < NB_LIGNES; ++k) {
        trace(plateau_.lignes_verticales[k], e.lignes_verticales[k]);
        trace(plateau_.lignes_horizontales[k], e.lignes_horizontales[k]);
    }
    for (int k = 0; k < NB_NUMEROS; ++k) {
        copie_texte(plateau_.numeros_colonnes[k], e.numeros_colonnes[k]);
        place(plateau_.numeros_colonnes[k], e.numeros_colonnes[k]);
        copie_texte(plateau_.numeros_lignes[k], e.numeros_lignes[k]);
        place(plateau_.numeros_lignes[k], e.numeros_lignes[k]);
    }
    for (int k = 1; k < NB_MARQUEURS; ++k) {
        plateau_.murs[k]->setPixmap(pixmaps_[e.murs[k].image]);
        place(plateau_.murs[k], e.murs[k]);
    }
    for (int k = 0; k < 2; ++k) {
        place_pion(k);
    }
    for (std::size_t k = 0; k < e.dernier_coup.size(); ++k) {
        place(plateau_.dernier_coup[k], e.dernier_coup[k]);
    }
    place(plateau_.curseur, e.curseur);
    plateau_.damier->synchronise();
}

void FenetrePrincipale::place_pion(int k) {
    const Element& e = controleur_.ecran().pions[k];
    CadreImage* pion = plateau_.pions[k];
    QPropertyAnimation* glissement = glissements_[k];
    pion->setPixmap(pixmaps_[e.image]);
    const QPoint cible(e.left, e.top);
    const int duree_glissement = duree(GLISSEMENT_PION_MS, controleur_.options().vitesse);
    if (glissement == nullptr || duree_glissement == 0) {
        place(pion, e);
        return;
    }
    if (controleur_.ecran().pion_glisse == k && e.visible && pion->isVisible()) {
        const bool en_route =
            glissement->state() == QAbstractAnimation::Running && glissement->endValue() == cible;
        if (pion->pos() != cible && !en_route) {
            glissement->stop();
            glissement->setDuration(duree_glissement);
            glissement->setStartValue(pion->pos());
            glissement->setEndValue(cible);
            glissement->start();
        }
        return;
    }
    glissement->stop();
    place(pion, e);
}

void FenetrePrincipale::synchronise_panneau_jeu() {
    const Ecran& e = controleur_.ecran();
    PanneauJeu& p = panneau_jeu_;
    place(p.planche_jeu, e.panneau_jeu);
    p.plaque_joueur->setPixmap(pixmaps_[e.plaque_joueur.image]);
    copie_texte(p.nom_au_trait, e.nom_au_trait);
    p.signe->setPixmap(pixmaps_[e.signe.image]);
    nomme(p.signe, QString::fromStdString(e.texte_signe()));
    p.signe->move(e.signe.left, e.signe.top);
    p.image_signe->setPixmap(pixmaps_[e.image_signe.image]);
    p.plaque_deplacement->setPixmap(pixmaps_[e.plaque_deplacement.image]);
    p.bouton_aide->setPixmap(pixmaps_[e.bouton_aide.image]);
    p.bouton_aide->setEnabled(e.bouton_aide.actif);
    p.bouton_abandon->setPixmap(pixmaps_[e.bouton_abandon.image]);
    p.bouton_abandon->setEnabled(e.bouton_abandon.actif);
}

void FenetrePrincipale::synchronise_panneau_aide() {
    const Ecran& e = controleur_.ecran();
    place(panneau_aide_.planche_aide, e.panneau_aide);
    for (int k = 0; k < 2; ++k) {
        panneau_aide_.interrupteurs[k]->setPixmap(pixmaps_[e.interrupteurs_aide[k].image]);
        panneau_aide_.acces_interrupteurs[k]->coche(controleur_.aide_active(static_cast<Aide>(k)));
    }
}

void FenetrePrincipale::synchronise_menu() {
    const Ecran& e = controleur_.ecran();
    menu_.ecran->setVisible(e.options.visible);
    const std::array<const Element*, 3> images{&e.choix_pion[0], &e.choix_pion[1], &e.choix_mur};
    const std::array<const Element*, 3> choix{&e.niveaux[0], &e.niveaux[1], &e.deplacement};
    static const std::array<QString, 3> sujets{QStringLiteral("Intelligence du joueur 1"),
                                               QStringLiteral("Intelligence du joueur 2"),
                                               QStringLiteral("Déplacement")};
    for (std::size_t k = 0; k < 3; ++k) {
        menu_.images[k]->setPixmap(pixmaps_[images[k]->image]);
        menu_.choix[k]->setText(texte(*choix[k]));
        nomme(menu_.choix[k], sujets[k] + QStringLiteral(" : ") + texte(*choix[k]).simplified());
    }
    copie_texte(menu_.dimensions[0], e.texte_largeur);
    copie_texte(menu_.dimensions[1], e.texte_hauteur);
    nomme(menu_.dimensions[0], QStringLiteral("Largeur : ") + texte(e.texte_largeur));
    nomme(menu_.dimensions[1], QStringLiteral("Hauteur : ") + texte(e.texte_hauteur));
    for (int k = 0; k < 2; ++k) {
        // Rewriting the box while the player types would move the cursor.
        if (menu_.noms[k]->text() != texte(e.noms[k])) {
            menu_.noms[k]->setText(texte(e.noms[k]));
        }
    }
}

} // namespace tessor
