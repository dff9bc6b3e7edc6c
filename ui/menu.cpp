#include "menu.h"

#include "cadre_image.h"
#include "controles.h"
#include "ecran/ecran.h"
#include "fenetre_information_textes.h"
#include "panneau_relief.h"
#include "pixmaps.h"
#include "pointeur.h"
#include "polices.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace tessor {

namespace {

const QColor BLEU_PANNEAU(0x00, 0x00, 0x80);
const QColor CYAN_CAPTION(0x00, 0xFF, 0xFF);
const QColor GRIS_PANNEAU(0x80, 0x80, 0x80);
const QColor MAUVE_ETIQUETTE(0xC0, 0xC0, 0xFF);
const QColor CYAN_BANDEAU(0x00, 0xC0, 0xC0);
constexpr double POINTS_CONTROLES = 13.5;

QLabel* etiquette_panneau(QWidget* panneau, const QRect& r, const char* texte,
                          const QColor& couleur) {
    return etiquette(panneau, r, QString::fromUtf8(texte), police_sans(POINTS_CONTROLES, true),
                     couleur, Qt::AlignHCenter | Qt::AlignTop);
}

QPushButton* bouton_menu(QWidget* parent, const QRect& r, const char* texte, const QString& nom) {
    QPushButton* b =
        bouton(parent, r, QString::fromUtf8(texte), police_sans(POINTS_CONTROLES, true));
    b->setObjectName(nom);
    return b;
}

PanneauRelief* grand_panneau(QWidget* menu, const QRect& r, const char* caption, int indice) {
    auto* panneau = new PanneauRelief(menu, r, BLEU_PANNEAU);
    panneau->setCaption(QString::fromUtf8(caption), police_sans(18, true), CYAN_CAPTION);
    panneau->setObjectName(nom_indice("panneau_menu", indice));
    return panneau;
}

PanneauRelief* petit_panneau(QWidget* parent, const QRect& r, int indice) {
    auto* panneau = new PanneauRelief(parent, r, GRIS_PANNEAU);
    panneau->setObjectName(nom_indice("encadre_menu", indice));
    return panneau;
}

// A chosen picture in a sunken frame, 32 x 32 inside 36 x 36.
CadreImage* image_choisie(QWidget* parent, QPoint coin, const QString& nom) {
    auto* cadre = new QFrame(parent);
    cadre->setGeometry(QRect(coin, QSize(36, 36)));
    cadre->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    auto* image = new CadreImage(cadre);
    image->setGeometry(2, 2, 32, 32);
    image->setObjectName(nom);
    return image;
}

// The steppers of `sujet`, on its small panel.
void steppers(Menu& m, QWidget* panneau, SujetPas sujet) {
    for (std::size_t i = 0; i < PAS.size(); ++i) {
        const Pas& p = PAS[i];
        if (p.sujet == sujet) {
            m.pas[i] = bouton_menu(panneau, QRect(p.coin, QSize(25, 25)), p.sens > 0 ? "+" : "-",
                                   QString::fromLatin1(p.nom));
        }
    }
}

// A name holds ten characters as the player sees them: an emoji or an accented letter counts
// once and is never cut in half, whether typed or pasted.
void limite_a_dix_caracteres(QLineEdit* boite) {
    QObject::connect(boite, &QLineEdit::textEdited, boite, [boite](const QString& texte) {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, texte);
        for (int n = 0; n < 10 && graphemes.toNextBoundary() != -1;) {
            ++n;
        }
        const qsizetype fin = graphemes.position();
        if (fin > 0 && fin < texte.size()) {
            const int curseur = boite->cursorPosition();
            boite->setText(texte.left(fin));
            boite->setCursorPosition(std::min(curseur, static_cast<int>(fin)));
        }
    });
}

void panneau_joueur(Menu& m, QWidget* menu, int joueur) {
    const int indice_panneau = joueur == 0 ? 0 : 2;
    PanneauRelief* panneau = grand_panneau(menu, QRect(joueur == 0 ? 16 : 448, 40, 177, 353),
                                           joueur == 0 ? "Joueur 1" : "Joueur 2", indice_panneau);
    etiquette_panneau(panneau, QRect(24, 48, 129, 33), "Nom :", MAUVE_ETIQUETTE);
    QLineEdit* nom = new QLineEdit(panneau);
    nom->setGeometry(24, 80, 129, 28);
    nom->setFont(police_sans(12, true));
    limite_a_dix_caracteres(nom);
    nom->setObjectName(nom_indice("nom", joueur));
    m.noms[joueur] = nom;
    etiquette_panneau(panneau, QRect(24, 128, 129, 33), "Intelligence :", MAUVE_ETIQUETTE);
    m.choix[joueur] =
        bouton_menu(panneau, QRect(24, 160, 129, 33), "Humain", nom_indice("niveau", joueur));
    PanneauRelief* pion = petit_panneau(panneau, QRect(24, 216, 129, 113), joueur);
    etiquette_panneau(pion, QRect(8, 16, 113, 33), "Pion :", Qt::black);
    steppers(m, pion, joueur == 0 ? SujetPas::pion_joueur1 : SujetPas::pion_joueur2);
    m.images[joueur] = image_choisie(pion, {47, 56}, nom_indice("choix_pion", joueur));
}

QLabel* dimension(QWidget* parent, int y, const QString& nom) {
    QLabel* label = etiquette(parent, QRect(48, y, 33, 33), QStringLiteral("6"),
                              police_sans(POINTS_CONTROLES, true), Qt::black, Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setObjectName(nom);
    return label;
}

void panneau_options(Menu& m, QWidget* menu) {
    PanneauRelief* panneau = grand_panneau(menu, QRect(232, 40, 177, 377), "Options", 1);
    etiquette_panneau(panneau, QRect(16, 40, 145, 33), "Déplacement :", MAUVE_ETIQUETTE);
    m.choix[2] = bouton_menu(panneau, QRect(24, 72, 129, 33), "Roi", QStringLiteral("deplacement"));
    PanneauRelief* mur = petit_panneau(panneau, QRect(24, 112, 129, 97), 3);
    etiquette_panneau(mur, QRect(8, 16, 113, 33), "Mur :", Qt::black);
    steppers(m, mur, SujetPas::mur);
    m.images[2] = image_choisie(mur, {47, 48}, QStringLiteral("choix_mur"));
    PanneauRelief* taille = petit_panneau(panneau, QRect(24, 216, 129, 145), 2);
    etiquette_panneau(taille, QRect(8, 8, 113, 33), "Largeur :", Qt::black);
    steppers(m, taille, SujetPas::largeur);
    m.dimensions[0] = dimension(taille, 37, QStringLiteral("largeur"));
    etiquette_panneau(taille, QRect(8, 72, 113, 33), "Hauteur :", Qt::black);
    steppers(m, taille, SujetPas::hauteur);
    m.dimensions[1] = dimension(taille, 100, QStringLiteral("hauteur"));
}

void logo(QWidget* menu, Pixmaps& pixmaps, QPoint coin, Image image) {
    auto* cadre = new CadreImage(menu);
    cadre->setGeometry(QRect(coin, QSize(32, 32)));
    cadre->setPixmap(pixmaps[image]);
}

// The maker's name, its first word above the rest.
void createur(QWidget* menu, int x, Qt::Alignment alignement) {
    const QString nom = QString::fromUtf8(info::EDITEUR);
    const qsizetype blanc = nom.indexOf(QLatin1Char(' '));
    const QString lignes[2] = {nom.left(blanc), nom.mid(blanc + 1)};
    for (int ligne = 0; ligne < 2; ++ligne) {
        etiquette(menu, QRect(x, 8 + 16 * ligne, 129, 17), lignes[ligne], police_sans(9.75, true),
                  Qt::black, alignement | Qt::AlignTop);
    }
}

void titre(QWidget* menu, Pixmaps& pixmaps) {
    logo(menu, pixmaps, {16, 8}, Image::logo);
    logo(menu, pixmaps, {592, 8}, Image::logo);
    createur(menu, 64, Qt::AlignRight);
    createur(menu, 448, Qt::AlignLeft);
    rectangle_plein(menu, QRect(232, 8, 177, 33), CYAN_BANDEAU);
    rectangle_plein(menu, QRect(232, 8, 177, 1), Qt::black);
    rectangle_plein(menu, QRect(232, 8, 1, 33), Qt::black);
    rectangle_plein(menu, QRect(408, 8, 1, 33), Qt::black);
    logo(menu, pixmaps, {232, 8}, image_mur(0));
    logo(menu, pixmaps, {376, 8}, image_mur(0));
    etiquette(menu, QRect(264, 8, 113, 33), QStringLiteral("TESSOR"), police_sans(18, true),
              Qt::black, Qt::AlignCenter);
}

// The names and descriptions of the options screen's controls; the choosers' names, which carry
// their value, follow the choices as the window draws them.
void nomme(Menu& m) {
    for (std::size_t i = 0; i < PAS.size(); ++i) {
        m.pas[i]->setAccessibleName(QString::fromUtf8(PAS[i].nom_accessible));
    }
    for (int k = 0; k < 2; ++k) {
        m.noms[k]->setAccessibleName(QStringLiteral("Nom du joueur %1").arg(k + 1));
        m.choix[k]->setAccessibleDescription(
            QStringLiteral("Humain, ou l'ordinateur du niveau 1 au niveau 4"));
    }
    m.choix[2]->setAccessibleDescription(
        QStringLiteral("Les pions se déplacent comme le roi ou comme le cavalier des échecs"));
    m.boutons[0]->setAccessibleDescription(QStringLiteral("Quitte le jeu"));
    m.boutons[1]->setAccessibleDescription(QStringLiteral("Commence une partie"));
    m.aide->setAccessibleDescription(QStringLiteral("Ouvre la fenêtre d'information"));
}

} // namespace

Menu construit_menu(QWidget* fenetre, Pixmaps& pixmaps) {
    Menu m;
    m.ecran = new CadreImage(fenetre);
    m.ecran->setObjectName(QStringLiteral("options"));
    m.ecran->setGeometry(0, 0, LARGEUR_FENETRE, HAUTEUR_FENETRE);
    m.ecran->setPixmap(pixmaps[Image::texture]);
    prend_pointeur(m.ecran);
    titre(m.ecran, pixmaps);
    panneau_joueur(m, m.ecran, 0);
    panneau_options(m, m.ecran);
    panneau_joueur(m, m.ecran, 1);
    m.boutons[0] =
        bouton_menu(m.ecran, QRect(40, 400, 129, 33), "Quitter", QStringLiteral("quitter"));
    m.boutons[1] = bouton_menu(m.ecran, QRect(232, 424, 177, 33), "Jouer", QStringLiteral("jouer"));
    m.aide = bouton_menu(m.ecran, QRect(472, 400, 129, 33), "Aide", QStringLiteral("aide"));
    nomme(m);
    return m;
}

} // namespace tessor
