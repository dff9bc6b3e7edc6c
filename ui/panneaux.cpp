#include "panneaux.h"

#include "accessibilite.h"
#include "cadre_image.h"
#include "controles.h"
#include "etiquette_nom.h"
#include "pixmaps.h"
#include "pointeur.h"
#include "polices.h"

#include <QLabel>
#include <QPushButton>

namespace tessor {

namespace {

const QColor VERT_TITRE(0x1B, 0x96, 0x24);
const QColor BRUN_CAPTION(0x40, 0x00, 0x00);
// The switches as assistive technologies name and describe them.
constexpr const char* NOMS_INTERRUPTEURS[2] = {"Aide au déplacement", "Aide à la décision"};
constexpr const char* DESCRIPTIONS_INTERRUPTEURS[2] = {
    "Montre en gris les cases où votre pion peut aller",
    "Montre en rouge la case où l'ordinateur irait à votre place"};

// A picture box sized to its picture.
CadreImage* cadre_image(QWidget* parent, QPoint coin, const QPixmap& pixmap, const QString& nom) {
    auto* p = new CadreImage(parent);
    p->setGeometry(QRect(coin, pixmap.deviceIndependentSize().toSize()));
    p->setPixmap(pixmap);
    p->setObjectName(nom);
    return p;
}

// A side panel: hidden until a game starts, and taking the pointer so that nothing on it acts
// on the board.
CadreImage* planche(QWidget* fenetre, Pixmaps& pixmaps, Image image, const char* nom) {
    CadreImage* p = cadre_image(fenetre, {0, 0}, pixmaps[image], QString::fromLatin1(nom));
    p->hide();
    prend_pointeur(p);
    return p;
}

void titre_regle(QWidget* panneau, const QRect& r, const char* texte) {
    QFont police = police_sans(9.75, true);
    police.setUnderline(true);
    etiquette(panneau, r, QString::fromUtf8(texte), police, VERT_TITRE,
              Qt::AlignLeft | Qt::AlignTop);
}

void regle(QWidget* panneau, const QRect& r, const char* texte) {
    etiquette(panneau, r, QString::fromUtf8(texte), police_sans(8.25, true), Qt::black,
              Qt::AlignLeft | Qt::AlignTop);
}

void regles(QWidget* panneau) {
    titre_regle(panneau, QRect(40, 80, 105, 25), "But du jeu :");
    regle(panneau, QRect(40, 96, 113, 41), "   Il faut empêcher l'adversaire de bouger.  ");
    titre_regle(panneau, QRect(40, 144, 145, 25), "Mode d'emploi :");
    regle(panneau, QRect(40, 160, 105, 65),
          "    Chaque joueur déplace son pion puis pose un mur à tour de rôle.");
    regle(panneau, QRect(40, 216, 105, 81),
          "    Il est interdit de jouer sur une case déjà occupée par un joueur ou un mur.");
}

void interrupteur(PanneauAide& a, int k, const char* caption) {
    const int y = 288 + 32 * k;
    constexpr int HAUT_CADRE[2] = {289, 320};
    rectangle_vide(a.planche_aide, QRect(32, HAUT_CADRE[k], 129, 32));
    a.interrupteurs[k] = new CadreImage(a.planche_aide);
    a.interrupteurs[k]->setGeometry(40, y + 8, 16, 16);
    a.interrupteurs[k]->setObjectName(nom_indice("interrupteur_aide", k));
    a.clic_interrupteurs[k] = prend_pointeur(a.interrupteurs[k]);
    a.acces_interrupteurs[k] = new ImageAccessible(
        a.interrupteurs[k], QAccessible::CheckBox, QString::fromUtf8(NOMS_INTERRUPTEURS[k]),
        QString::fromUtf8(DESCRIPTIONS_INTERRUPTEURS[k]));
    a.acces_interrupteurs[k]->prend_le_focus();
    QLabel* label = etiquette(a.planche_aide, QRect(64, y, 97, 33), QString::fromUtf8(caption),
                              police_sans(9.75, true), BRUN_CAPTION, Qt::AlignLeft | Qt::AlignTop);
    label->setObjectName(nom_indice("legende_aide", k));
    a.clic_legendes[k] = prend_pointeur(label);
}

} // namespace

PanneauJeu construit_panneau_jeu(QWidget* fenetre, Pixmaps& pixmaps) {
    PanneauJeu j;
    j.planche_jeu = planche(fenetre, pixmaps, Image::planche_jeu, "panneau_jeu");
    j.plaque_joueur = cadre_image(j.planche_jeu, {30, 37}, pixmaps[Image::plaque_joueur1],
                                  QStringLiteral("plaque_joueur"));
    CadreImage* nom = cadre_image(j.planche_jeu, {30, 75}, pixmaps[Image::plaque_nom],
                                  QStringLiteral("plaque_nom"));
    j.nom_au_trait = new EtiquetteNom(nom);
    habille(j.nom_au_trait, QRect(2, 31, 129, 25), police_serif(13.5, true), Qt::black,
            Qt::AlignCenter);
    j.nom_au_trait->setObjectName(QStringLiteral("nom_au_trait"));
    j.nom_au_trait->setAccessibleDescription(QStringLiteral("Nom du joueur au trait"));
    j.signe = cadre_image(j.planche_jeu, {46, 140}, pixmaps[Image::panneau_placez_pion],
                          QStringLiteral("signe"));
    new ImageAccessible(j.signe, QAccessible::StaticText, QString(),
                        QStringLiteral("Ce que doit faire le joueur au trait"));
    j.image_signe = cadre_image(j.signe, {48, 64}, QPixmap(), QStringLiteral("image_signe"));
    j.image_signe->resize(32, 32);
    cadre_image(j.planche_jeu, {25, 259}, pixmaps[Image::plaque_deplacement],
                QStringLiteral("titre_deplacement"));
    j.plaque_deplacement = cadre_image(j.planche_jeu, {31, 292}, pixmaps[Image::plaque_roi],
                                       QStringLiteral("plaque_deplacement"));
    j.bouton_aide = cadre_image(j.planche_jeu, {24, 325}, pixmaps[Image::bouton_aide],
                                QStringLiteral("bouton_aide"));
    j.clic_aide = prend_pointeur(j.bouton_aide);
    j.acces_aide = new ImageAccessible(j.bouton_aide, QAccessible::Button, QStringLiteral("Aide"),
                                       QStringLiteral("Ouvre le panneau d'aide (touche F1)"));
    j.bouton_abandon = cadre_image(j.planche_jeu, {25, 359}, pixmaps[Image::bouton_quitter],
                                   QStringLiteral("bouton_abandon"));
    j.clic_abandon = prend_pointeur(j.bouton_abandon);
    j.acces_abandon =
        new ImageAccessible(j.bouton_abandon, QAccessible::Button, QStringLiteral("Quitter"),
                            QStringLiteral("Abandonne la partie (touche Échap)"));
    return j;
}

PanneauAide construit_panneau_aide(QWidget* fenetre, Pixmaps& pixmaps) {
    PanneauAide a;
    a.planche_aide = planche(fenetre, pixmaps, Image::planche_aide, "panneau_aide");
    regles(a.planche_aide);
    interrupteur(a, 0, "Aide au déplacement");
    interrupteur(a, 1, "Aide a la décision");
    a.info = bouton(a.planche_aide, QRect(32, 351, 129, 13), QStringLiteral("Info"),
                    police_sans(8.25, false));
    a.info->setObjectName(QStringLiteral("info"));
    a.info->setAccessibleDescription(QStringLiteral("Ouvre la fenêtre d'information"));
    auto* retour = new CadreImage(a.planche_aide);
    retour->setGeometry(32, 360, 129, 33);
    retour->setObjectName(QStringLiteral("retour"));
    a.clic_retour = prend_pointeur(retour);
    a.acces_retour =
        new ImageAccessible(retour, QAccessible::Button, QStringLiteral("Retour"),
                            QStringLiteral("Revient au panneau de jeu (touche F1 ou Échap)"));
    a.acces_retour->prend_le_focus();
    // "Retour" has no picture of its own: the button painted on the board shows through, and the
    // top rows of its area lie under "Info", which must take the clicks it shows.
    a.info->raise();
    return a;
}

} // namespace tessor
