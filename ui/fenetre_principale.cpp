#include "fenetre_principale.h"

#include "accessibilite.h"
#include "cadre_image.h"
#include "damier.h"
#include "fenetre_information.h"
#include "garde.h"
#include "indicateur_focus.h"
#include "memoire.h"
#include "pas.h"
#include "pointeur.h"
#include "repetition.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QShortcut>

#include <functional>
#include <tuple>
#include <utility>

namespace tessor {

namespace {
constexpr int DELAI_BOUTON_MS = 10;
} // namespace

// The stacking order of the widgets is their order of creation: the board elements lie on the
// window's surface, the side panels over them and the options screen over everything.
FenetrePrincipale::FenetrePrincipale(Horloge horloge, bool pauses, QSettings* memoire)
    : hasard_(std::move(horloge)), services_(
                                       *this, [this] { synchronise(); }, pauses),
      controleur_(hasard_, services_, services_), plateau_(construit_plateau(this, controleur_)),
      panneau_aide_(construit_panneau_aide(this, pixmaps_)),
      panneau_jeu_(construit_panneau_jeu(this, pixmaps_)), menu_(construit_menu(this, pixmaps_)),
      menu_contextuel_(construit_menu_contextuel(this)), memoire_(memoire) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(LARGEUR_FENETRE, HAUTEUR_FENETRE);
    setWindowTitle(QStringLiteral("Tessor"));
    setWindowIcon(QIcon(pixmaps_[Image::icone]));
    setMouseTracking(true);
    minuterie_.setObjectName(QStringLiteral("delai_bouton"));
    minuterie_.setSingleShot(true);
    minuterie_.setInterval(DELAI_BOUTON_MS);
    connect(&minuterie_, &QTimer::timeout, this, [this] { relache_bouton(); });
    for (int k = 0; k < 2 && pauses; ++k) {
        glissements_[k] = new QPropertyAnimation(plateau_.pions[k], "pos", this);
        glissements_[k]->setEasingCurve(QEasingCurve::InOutQuad);
    }
    connecte_menu();
    connecte_panneaux();
    connecte_clavier();
    connecte_menu_contextuel();
    if (memoire_ != nullptr) {
        memorises_ = lit_reglages(*memoire_);
        controleur_.applique(memorises_);
    }
    new FiltreRepetition(this);
    new IndicateurFocus(this);
    new Garde(*this);
    synchronise();
}

FenetrePrincipale::~FenetrePrincipale() {
    controleur_.arrete();
}

namespace {
// What a stepper of the options screen changes, by one step its way.
void avance(Controleur& c, const Pas& p) {
    switch (p.sujet) {
    case SujetPas::pion_joueur1:
        return c.pion_suivant(0, p.sens);
    case SujetPas::pion_joueur2:
        return c.pion_suivant(1, p.sens);
    case SujetPas::mur:
        return c.mur_suivant(p.sens);
    case SujetPas::largeur:
        return c.change_largeur(p.sens);
    case SujetPas::hauteur:
        return c.change_hauteur(p.sens);
    }
}
} // namespace

void FenetrePrincipale::connecte_menu() {
    for (int i = 0; i < 2; ++i) {
        connect(menu_.choix[i], &QPushButton::clicked, this,
                [this, i] { agit([this, i] { controleur_.change_niveau(i); }); });
        // The box's text, not the signal's: a name cut to its ten characters changes the text
        // again before the first change has reached every receiver.
        connect(menu_.noms[i], &QLineEdit::textChanged, this, [this, i] {
            controleur_.renomme(i, menu_.noms[i]->text().toStdString());
            memorise();
        });
    }
    connect(menu_.choix[2], &QPushButton::clicked, this,
            [this] { agit([this] { controleur_.change_deplacement(); }); });
    for (std::size_t i = 0; i < PAS.size(); ++i) {
        connect(menu_.pas[i], &QPushButton::clicked, this,
                [this, i] { agit([this, i] { avance(controleur_, PAS[i]); }); });
    }
    connect(menu_.boutons[0], &QPushButton::clicked, this, [this] { quitter(); });
    connect(menu_.boutons[1], &QPushButton::clicked, this,
            [this] { agit([this] { controleur_.jouer(); }); });
    connect(menu_.aide, &QPushButton::clicked, this, [this] { ouvre_information(); });
}

// A picture control acts alike on a click, on Space when it has the focus, and on an assistive
// technology's press.
void FenetrePrincipale::connecte_panneaux() {
    const auto aide = [this] { presse_bouton_image(&Controleur::presse_aide); };
    connect(panneau_jeu_.clic_aide, &Pointeur::clique, this, aide);
    connect(panneau_jeu_.acces_aide, &ImageAccessible::active, this, aide);
    const auto abandon = [this] { presse_bouton_image(&Controleur::presse_abandon); };
    connect(panneau_jeu_.clic_abandon, &Pointeur::clique, this, abandon);
    connect(panneau_jeu_.acces_abandon, &ImageAccessible::active, this, abandon);
    for (int k = 0; k < 2; ++k) {
        const auto bascule = [this, k] {
            agit([this, k] { controleur_.bascule_aide(static_cast<Aide>(k)); });
        };
        connect(panneau_aide_.clic_interrupteurs[k], &Pointeur::presse, this, bascule);
        connect(panneau_aide_.clic_legendes[k], &Pointeur::clique, this, bascule);
        connect(panneau_aide_.acces_interrupteurs[k], &ImageAccessible::active, this, bascule);
    }
    connect(panneau_aide_.info, &QPushButton::clicked, this, [this] { ouvre_information(); });
    const auto retour = [this] { agit([this] { controleur_.retour_au_jeu(); }); };
    connect(panneau_aide_.clic_retour, &Pointeur::clique, this, retour);
    connect(panneau_aide_.acces_retour, &ImageAccessible::active, this, retour);
}

// Only the arrows repeat while held: one press of any other key is one action, as one click is.
void FenetrePrincipale::connecte_clavier() {
    const auto raccourci = [this](Qt::Key touche, const std::function<void()>& action) {
        auto* r = new QShortcut(QKeySequence(touche), this);
        r->setAutoRepeat(false);
        connect(r, &QShortcut::activated, this, action);
        raccourcis_.push_back(r);
    };
    const std::tuple<Qt::Key, int, int> fleches[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const auto& [touche, dx, dy] : fleches) {
        raccourci(touche, [this, dx = dx, dy = dy] {
            agit([this, dx, dy] { controleur_.fleche(dx, dy); });
        });
        raccourcis_.back()->setAutoRepeat(true);
    }
    const auto clic = [this] { agit([this] { controleur_.clic_curseur(); }); };
    raccourci(Qt::Key_Return, clic);
    raccourci(Qt::Key_Enter, clic);
    connect(plateau_.damier, &Damier::espace, this, clic);
    raccourci(Qt::Key_F1, [this] { presse_bouton_image(&Controleur::touche_aide); });
    raccourci(Qt::Key_Escape, [this] { presse_bouton_image(&Controleur::touche_echap); });
}

// "Quitter" confirmed closes the window, which ends the program.
void FenetrePrincipale::quitter() {
    controleur_.quitter([this] { close(); });
}

void FenetrePrincipale::ouvre_information() {
    if (information_ == nullptr) {
        information_ = new FenetreInformation(services_, this);
    }
    information_->ouvre();
}

// A picture button, or its key, shows its pressed look at once and acts 10 ms later.
void FenetrePrincipale::presse_bouton_image(void (Controleur::*presse)()) {
    agit([this, presse] { (controleur_.*presse)(); });
    if (controleur_.ecran().minuterie && !minuterie_.isActive()) {
        minuterie_.start();
    }
}

// While a computer's turn runs or the replay question is open the press waits: the timer is
// armed again once the screen has changed and the press can act (`synchronise`).
void FenetrePrincipale::relache_bouton() {
    controleur_.relache_bouton();
    synchronise();
}

void FenetrePrincipale::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x00, 0xFF, 0xFF));
    painter.drawPixmap(0, 0, pixmaps_[Image::texture]);
}

// The board is the window's own surface: pictures and labels on it take the pointer themselves,
// grid lines and hint squares let it through.
void FenetrePrincipale::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    controleur_.survol(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void FenetrePrincipale::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        return;
    }
    mouseMoveEvent(event);
    agit([this] { controleur_.clic(); });
}

// Closing the window ends the program, also in the middle of a computer's turn: the game stops
// playing and asks nothing more. While a question or the information window is open,
// the window is blocked by it and the toolkit holds a close request back; the box's own close
// answers "Non" or goes back to the game. `Garde` closes the window the same way when the
// window is destroyed or the program gets SIGTERM, past any open box.
void FenetrePrincipale::closeEvent(QCloseEvent* event) {
    controleur_.arrete();
    minuterie_.stop();
    event->accept();
    QCoreApplication::quit();
}

} // namespace tessor
