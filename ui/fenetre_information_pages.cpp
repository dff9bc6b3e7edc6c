#include "fenetre_information_pages.h"

#include "fenetre_information_elements.h"
#include "fenetre_information_textes.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

namespace tessor::info {

namespace {

// Lines of a centred block, such as a postal address, in one label.
QString lignes(std::initializer_list<const char*> contenu) {
    QStringList liste;
    for (const char* ligne_texte : contenu) {
        liste << QString::fromUtf8(ligne_texte);
    }
    return liste.join(QLatin1Char('\n'));
}

// The texts in the links' colour beside and above the links. The bundled face runs a little
// wider than the one these rows were measured for; drawn a quarter of a pixel tighter per
// letter, the long line stays within the page and the captions end before the links begin.
Style texte_des_liens() {
    QFont f = police(8.25);
    f.setLetterSpacing(QFont::AbsoluteSpacing, -0.25);
    return {f, COULEUR_LIEN};
}

// A caption and, beside it, the link label.
void legende_et_lien(QWidget& page, int y, const char* legende, const char* nom,
                     const QString& contenu, const QString& adresse) {
    texte_ajuste(page, {8, y}, QString::fromUtf8(legende), texte_des_liens());
    lien(page, nom, {88, y}, contenu, adresse);
}

void lien_courriel(QWidget& page, int y, const char* nom) {
    const QString courriel = QString::fromUtf8(COURRIEL);
    legende_et_lien(page, y, "Adresse E-Mail :", nom, courriel,
                    QStringLiteral("mailto:") + courriel);
}

void lien_site(QWidget& page, int y, const char* nom) {
    const QString site = QString::fromUtf8(SITE);
    legende_et_lien(page, y, "Site Internet :", nom, site, site);
}

Style centre(double points, bool gras, bool souligne = false, const QColor& couleur = Qt::black) {
    return {police(points, gras, souligne), couleur, Qt::AlignHCenter};
}

} // namespace

void remplit_page_jouer(QWidget& page) {
    const Style rubrique{police(9.75, true, true), VERT};
    const Style regle{police(8.25)};
    texte(page, {8, 8, 289, 33}, QStringLiteral("Aide de TESSOR"), centre(13.5, true));
    texte_ajuste(page, {8, 40}, QStringLiteral("But du jeu :"), rubrique);
    texte(page, {24, 56, 113, 41}, QStringLiteral("   Il faut empêcher l'adversaire de bouger.  "),
          regle);
    texte_ajuste(page, {8, 96}, QStringLiteral("Mode d'emploi :"), rubrique);
    texte(page, {24, 112, 105, 57}, QStringLiteral("    Chaque joueur déplace son pion puis"),
          regle);
    ligne(page, {152, 48}, {152, 144});
    // The rule goes on beside the line; the interdiction starts a line of its own.
    texte(page, {176, 40, 105, 97},
          QStringLiteral("pose un mur à tour de rôle.\nIl est interdit de jouer sur une case déjà "
                         "occupée par un joueur ou un mur."),
          regle)
        ->setObjectName(QStringLiteral("suite_regle"));
}

void remplit_page_enregistrer(QWidget& page) {
    texte(page, {8, 8, 289, 57},
          QStringLiteral("TESSOR est gratuit : inutile de vous enregistrer. Copiez-le et "
                         "donnez-le librement à vos amis, sans le modifier ni le vendre. "
                         "Pour nous écrire :"),
          {police(8.25)});
    ligne(page, {8, 64}, {296, 64});
    ligne(page, {8, 144}, {296, 144});
    ligne(page, {8, 64}, {8, 144});
    ligne(page, {296, 64}, {296, 144});
    logo(page, {16, 80});
    logo(page, {256, 80});
    texte(page, {56, 68, 192, 14}, QStringLiteral("Adresse :"), centre(8.25, true, true, BLEU));
    texte(page, {56, 84, 192, 56}, lignes({EDITEUR, RUE, VILLE, PAYS}), centre(8.25, true));
}

void remplit_page_jeux(QWidget& page) {
    texte(page, {8, 8, 289, 41},
          QStringLiteral("Pour recevoir gratuitement les versions d'essai de nos autres jeux, "
                         "écrivez-nous à l'adresse ci-dessous :"),
          {police(8.25)});
    texte(page, {8, 34, 289, 16}, QStringLiteral("Adresse :"), centre(9.75, true, true, BLEU));
    texte(page, {8, 50, 289, 48}, lignes({EDITEUR, RUE, VILLE}), centre(9.75, true));
    texte_ajuste(page, {8, 104},
                 QStringLiteral("Vous pouvez egalement les telecharger sur notre site Internet:"),
                 texte_des_liens());
    lien_courriel(page, 120, "courriel_jeux");
    lien_site(page, 136, "site_jeux");
}

void remplit_page_a_propos(QWidget& page) {
    texte(page, {8, 8, 289, 33}, QStringLiteral("TESSOR"), centre(24, true));
    texte(page, {8, 48, 112, 16}, QStringLiteral("Réalisé par :"), centre(9.75, true, true, BLEU));
    texte(page, {8, 66, 112, 45}, lignes({AUTEURS[0], AUTEURS[1], AUTEURS[2]}), centre(8.25, true));
    ligne(page, {128, 48}, {128, 120});
    texte(page, {136, 48, 161, 16}, QStringLiteral("Adresse :"), centre(9.75, true, true, BLEU));
    texte(page, {136, 66, 161, 45}, lignes({EDITEUR, RUE, VILLE}), centre(8.25, true));
    lien_site(page, 120, "site_a_propos");
    lien_courriel(page, 136, "courriel_a_propos");
}

} // namespace tessor::info
