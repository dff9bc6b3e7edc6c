#include "ecran.h"

namespace tessor {

namespace {
Element visible_avec(Image image, const char* texte = "") {
    Element e;
    e.visible = true;
    e.image = image;
    e.texte = texte;
    return e;
}

Element texte(const char* t) {
    return visible_avec(Image::aucune, t);
}

struct PlaceSigne {
    Image image;
    int16 left;
    int16 top;
    const char* texte; // the words painted on the picture
};

// Each sign's picture and place in pixels: the end signs stand a pixel further right, and the
// move sign and the draw sign a pixel higher.
constexpr std::array<PlaceSigne, 5> SIGNES{
    {{Image::panneau_placez_mur, 33, 141, "Placez un mur"},
     {Image::panneau_placez_pion, 33, 141, "Placez votre pion"},
     {Image::panneau_deplacez_pion, 33, 140, "Déplacez votre pion"},
     {Image::panneau_match_nul, 34, 140, "Match nul !"},
     {Image::panneau_gagne, 34, 141, "Gagné !"}}};
} // namespace

// The window as it is created: the options screen shown, everything else hidden.
Ecran::Ecran()
    : options(visible_avec(Image::aucune)), plaque_joueur(visible_avec(Image::plaque_joueur1)),
      nom_au_trait(texte("")), plaque_deplacement(visible_avec(Image::plaque_roi)),
      bouton_aide(visible_avec(Image::bouton_aide)),
      bouton_abandon(visible_avec(Image::bouton_quitter)),
      interrupteurs_aide{visible_avec(Image::mur_vide), visible_avec(Image::mur_vide)},
      choix_pion{visible_avec(image_pion(0)), visible_avec(image_pion(1))},
      choix_mur(visible_avec(image_mur(0))), noms{texte("Joueur 1"), texte("Joueur 2")},
      niveaux{texte("Humain"), texte("Humain")}, deplacement(texte("Roi")),
      texte_largeur(texte("6")), texte_hauteur(texte("6")) {
    panneau_jeu.image = Image::planche_jeu;
    panneau_aide.image = Image::planche_aide;
    for (Element& m : murs) {
        m.image = Image::pastille;
    }
    affiche_signe(Signe::placez_pion);
    signe.visible = true;
    image_signe.visible = true;
}

void Ecran::affiche_signe(Signe s) {
    signe_affiche_ = s;
    const PlaceSigne& p = SIGNES[static_cast<std::size_t>(s)];
    signe.image = p.image;
    signe.left = p.left;
    signe.top = p.top;
}

std::string Ecran::texte_signe() const {
    return SIGNES[static_cast<std::size_t>(signe_affiche_)].texte;
}

void Ecran::efface_plateau() {
    for (auto* lignes : {&lignes_verticales, &lignes_horizontales}) {
        for (Ligne& l : *lignes) {
            l.visible = false;
        }
    }
    for (auto* lettres : {&numeros_colonnes, &numeros_lignes}) {
        for (Element& e : *lettres) {
            e.visible = false;
        }
    }
    for (Element& m : murs) {
        m.visible = false;
    }
    for (Element& c : dernier_coup) {
        c.visible = false;
    }
    pions[0].visible = false;
    pions[1].visible = false;
    curseur.visible = false;
}

void Ecran::efface_aides() {
    for (Element& c : cases_accessibles) {
        c.visible = false;
    }
    case_conseillee.visible = false;
}

} // namespace tessor
