#include "form1.h"

#include "form2.h"
#include "picture.h"
#include "pointeur.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace tessor {

namespace {
constexpr int LARGEUR_FENETRE = 640;
constexpr int HAUTEUR_FENETRE = 460;
constexpr int DELAI_BOUTON_MS = 10;
} // namespace

// The stacking order of the widgets is their order of creation: the board elements lie on the
// window's surface, the side panels over them and the options screen over everything.
Form1::Form1(Horloge horloge)
    : plateforme_(
          *this, [this] { synchronise(); }, std::move(horloge)),
      jeu_(plateforme_), plateau_(construit_plateau(this)),
      panneau_aide_(construit_panneau_aide(this, pixmaps_)),
      panneau_jeu_(construit_panneau_jeu(this, pixmaps_)), menu_(construit_menu(this, pixmaps_)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(LARGEUR_FENETRE, HAUTEUR_FENETRE);
    setWindowTitle(QStringLiteral("Tessor"));
    setWindowIcon(QIcon(pixmaps_[Image::icone]));
    setMouseTracking(true);
    timer1_.setSingleShot(true);
    timer1_.setInterval(DELAI_BOUTON_MS);
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connecte_menu();
    connecte_panneaux();
    jeu_.Form_Load();
    synchronise();
}

void Form1::connecte_menu() {
    for (int i = 0; i < 3; ++i) {
        connect(menu_.command1[i], &QPushButton::clicked, this,
                [this, i] { agit([this, i] { jeu_.Command1_Click(i); }); });
    }
    for (int i = 0; i < 10; ++i) {
        connect(menu_.command2[i], &QPushButton::clicked, this,
                [this, i] { agit([this, i] { jeu_.Command2_Click(i); }); });
    }
    for (int i = 0; i < 2; ++i) {
        connect(menu_.command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(menu_.text1[i], &QLineEdit::textChanged, this, [this, i](const QString& texte) {
            jeu_.fenetre.text1[i].texte = texte.toStdString();
        });
    }
    connect(menu_.aide, &QPushButton::clicked, this, [this] { Aide_Click(); });
}

void Form1::connecte_panneaux() {
    connect(panneau_jeu_.clic_picture5, &Pointeur::clique, this,
            [this] { presse_bouton_image(&Jeu::Picture5_Click); });
    connect(panneau_jeu_.clic_picture6, &Pointeur::clique, this,
            [this] { presse_bouton_image(&Jeu::Picture6_Click); });
    for (int k = 0; k < 2; ++k) {
        connect(panneau_aide_.clic_bouton_aide[k], &Pointeur::presse, this,
                [this, k] { agit([this, k] { jeu_.BoutonAide_MouseDown(k); }); });
        connect(panneau_aide_.clic_label5[k], &Pointeur::clique, this,
                [this, k] { agit([this, k] { jeu_.Label5_Click(k); }); });
    }
    connect(panneau_aide_.info, &QPushButton::clicked, this, [this] { Aide_Click(); });
    connect(panneau_aide_.clic_command4, &Pointeur::clique, this,
            [this] { agit([this] { jeu_.Command4_Click(); }); });
}

// "Quitter" confirmed closes the window, which ends the program.
void Form1::Command3_Click(int index) {
    const bool quitter = jeu_.Command3_Click(index);
    synchronise();
    if (quitter) {
        close();
    }
}

void Form1::Aide_Click() {
    if (form2_ == nullptr) {
        form2_ = new Form2(plateforme_, this);
    }
    form2_->ouvre();
}

// A picture button shows its pressed look at once and acts 10 ms later.
void Form1::presse_bouton_image(void (Jeu::*click)()) {
    agit([this, click] { (jeu_.*click)(); });
    if (jeu_.fenetre.timer1 && !timer1_.isActive()) {
        timer1_.start();
    }
}

// While a computer turn runs the press waits: the timer fires again later.
void Form1::Timer1_Timer() {
    if (!jeu_.Timer1_Timer()) {
        timer1_.start();
    }
    synchronise();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x00, 0xFF, 0xFF));
    painter.drawPixmap(0, 0, pixmaps_[Image::texture]);
}

// The board is the window's own surface: pictures and labels on it take the pointer themselves,
// grid lines and hint squares let it through.
void Form1::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    jeu_.Form_MouseMove(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        return;
    }
    mouseMoveEvent(event);
    agit([this] { jeu_.Form_Click(); });
}

// Closing the window ends the program, also in the pauses of a game between two computers: the
// game stops playing and asks nothing more.
void Form1::closeEvent(QCloseEvent* event) {
    jeu_.arrete();
    timer1_.stop();
    event->accept();
    QCoreApplication::quit();
}

} // namespace tessor
