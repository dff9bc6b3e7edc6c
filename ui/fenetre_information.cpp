#include "fenetre_information.h"

#include "centrage.h"
#include "etiquette_lien.h"
#include "fenetre_information_elements.h"
#include "fenetre_information_pages.h"
#include "polices.h"

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QPalette>
#include <QPushButton>
#include <QRect>

namespace tessor {

namespace {

constexpr int LARGEUR = 569;
constexpr int HAUTEUR = 209;
const QRect ZONE_PAGE(256, 8, 305, 153);
const QColor FOND(0xFF, 0x00, 0x00);
const QColor FACE_PAGE(0xC0, 0xC0, 0xC0);

// Caption of the button that shows each page, from top to bottom.
constexpr const char* TITRES_PAGES[] = {
    "Comment jouer ?",
    "Comment s'enregistrer ?",
    "Comment recevoir d'autres jeux ?",
    "A propos de TESSOR ...",
};

using Remplissage = void (*)(QWidget&);
constexpr Remplissage REMPLISSAGES[] = {
    info::remplit_page_jouer,
    info::remplit_page_enregistrer,
    info::remplit_page_jeux,
    info::remplit_page_a_propos,
};

void colore_fond(QWidget& widget, const QColor& couleur) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, couleur);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QPushButton* bouton(QWidget* fenetre, const QString& nom, const QRect& zone, const char* titre) {
    auto* b = new QPushButton(QString::fromUtf8(titre), fenetre);
    b->setObjectName(nom);
    b->setFont(police_sans(9.75, true));
    b->setAutoDefault(false);
    b->setGeometry(zone);
    return b;
}

// A grey page with a flat border; what it holds is placed inside the border.
QFrame* page(QWidget* fenetre, int numero, Remplissage remplissage) {
    auto* cadre = new QFrame(fenetre);
    cadre->setObjectName(QStringLiteral("page(%1)").arg(numero));
    cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
    cadre->setLineWidth(1);
    cadre->setGeometry(ZONE_PAGE);
    colore_fond(*cadre, FACE_PAGE);
    auto* interieur = new QWidget(cadre);
    interieur->setGeometry(cadre->contentsRect());
    remplissage(*interieur);
    cadre->hide();
    return cadre;
}

} // namespace

FenetreInformation::FenetreInformation(Dialogues& dialogues, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      dialogues_(dialogues) {
    charge_polices();
    setWindowTitle(QStringLiteral("Info sur : TESSOR"));
    setWindowIcon(QIcon(QStringLiteral(":/images/icone_info.png")));
    setFixedSize(LARGEUR, HAUTEUR);
    colore_fond(*this, FOND);
    cree_boutons();
    cree_pages();
}

void FenetreInformation::cree_boutons() {
    for (int i = 0; i < NB_PAGES; ++i) {
        QPushButton* b = bouton(this, QStringLiteral("bouton_page(%1)").arg(i + 1),
                                {8, 8 + 40 * i, 241, 33}, TITRES_PAGES[i]);
        connect(b, &QPushButton::clicked, this, [this, i] { montre_page(i + 1); });
    }
    QPushButton* retour =
        bouton(this, QStringLiteral("retour_au_jeu"), {8, 168, 553, 33}, "Retour au jeu");
    connect(retour, &QPushButton::clicked, this, [this] { retour_au_jeu(); });
}

void FenetreInformation::cree_pages() {
    for (int i = 0; i < NB_PAGES; ++i) {
        pages_[i] = page(this, i + 1, REMPLISSAGES[i]);
    }
    for (EtiquetteLien* lien : findChildren<EtiquetteLien*>()) {
        connect(lien, &EtiquetteLien::clique, this, [this](const QString& l) { ouvre_lien(l); });
    }
}

void FenetreInformation::ouvre() {
    if (!chargee_) {
        premiere_ouverture();
        chargee_ = true;
    }
    open();
}

void FenetreInformation::reject() {
    retour_au_jeu();
}

void FenetreInformation::premiere_ouverture() {
    montre_page(4);
    centre_sur_ecran(*this);
}

void FenetreInformation::montre_page(int numero) {
    for (int i = 0; i < NB_PAGES; ++i) {
        pages_[i]->setVisible(i + 1 == numero);
    }
}

void FenetreInformation::retour_au_jeu() {
    hide();
}

void FenetreInformation::ouvre_lien(const QString& lien) {
    dialogues_.ouvre_lien(lien.toStdString());
}

} // namespace tessor
