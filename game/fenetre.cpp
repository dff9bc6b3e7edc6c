#include "fenetre.h"

namespace tessor {

namespace {
Element visible_avec(Image image) {
    Element e;
    e.visible = true;
    e.image = image;
    return e;
}

Element cache_avec(Image image) {
    Element e;
    e.image = image;
    return e;
}

Element texte(const char* t) {
    Element e;
    e.visible = true;
    e.texte = t;
    return e;
}
} // namespace

// The window as it is created: the options screen shown, everything else hidden, and the
// picture stores loaded.
Fenetre::Fenetre() {
    menu.visible = true;
    sspanel3 = cache_avec(Image::planche_jeu);
    sspanel5 = cache_avec(Image::planche_aide);
    for (Element& m : mur) {
        m.image = Image::pastille;
    }
    for (int k = 0; k < NB_PIONS; ++k) {
        dessin[k] = cache_avec(image_pion(k));
    }
    for (int k = 0; k < NB_MURS_DESSINS; ++k) {
        dessinmur[k] = cache_avec(image_mur(k));
    }
    aff_joueur = {visible_avec(Image::plaque_joueur1), cache_avec(Image::plaque_joueur1),
                  cache_avec(Image::plaque_joueur2)};
    label7.visible = true;
    picture2 = {visible_avec(Image::panneau_placez_pion), cache_avec(Image::panneau_placez_mur),
                cache_avec(Image::panneau_placez_pion),   cache_avec(Image::panneau_deplacez_pion),
                cache_avec(Image::panneau_match_nul),     cache_avec(Image::panneau_gagne)};
    picture2[0].left = SIGNE_LEFT;
    picture2[0].top = SIGNE_TOP_BAS;
    picture4 = {visible_avec(Image::plaque_roi), cache_avec(Image::plaque_roi),
                cache_avec(Image::plaque_cavalier)};
    picture5 = {visible_avec(Image::bouton_aide), cache_avec(Image::bouton_aide_enfonce),
                cache_avec(Image::bouton_aide)};
    picture6 = {visible_avec(Image::bouton_quitter), cache_avec(Image::bouton_quitter_enfonce),
                cache_avec(Image::bouton_quitter)};
    bouton_aide = {visible_avec(Image::mur_vide), visible_avec(Image::mur_vide)};
    mur_vide = cache_avec(Image::mur_vide);
    mur_plein = cache_avec(Image::mur_plein);
    image1 = {visible_avec(image_pion(0)), visible_avec(image_pion(1)), visible_avec(image_mur(0)),
              visible_avec(Image::aucune)};
    text1 = {texte("Joueur 1"), texte("Joueur 2")};
    command1 = {texte("Humain"), texte("Humain"), texte("Roi")};
    label2 = {texte("6"), texte("6")};
}

} // namespace tessor
