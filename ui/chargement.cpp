#include "chargement.h"

#include "centrage.h"
#include "polices.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>

#include <utility>

namespace tessor {

namespace {

constexpr int LARGEUR = 306;
constexpr int HAUTEUR = 180;
constexpr double POINTS = 13.5;

QLabel* ligne_de_texte(QWidget* fenetre, const char* nom, const QRect& zone, const char* texte) {
    auto* label = new QLabel(QString::fromUtf8(texte), fenetre);
    label->setObjectName(QString::fromLatin1(nom));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(police_sans(POINTS, true));
    label->setGeometry(zone);
    return label;
}

void colore_texte(QLabel* label, const QColor& couleur) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, couleur);
    label->setPalette(palette);
}

// The name of the game sits on a blue band with a thin border, in the desktop's usual text
// colour (the window's palette only changes the background).
void bande_bleue(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0xFF));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

} // namespace

Chargement::Chargement(std::function<void()> passage)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), passage_(std::move(passage)),
      minuterie_(new QTimer(this)) {
    charge_polices();
    setWindowTitle(QStringLiteral("Chargement"));
    setFixedSize(LARGEUR, HAUTEUR);
    setCursor(Qt::WaitCursor);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    colore_texte(ligne_de_texte(this, "chargement_de", {0, 16, 305, 33}, "CHARGEMENT DE"),
                 Qt::white);
    bande_bleue(ligne_de_texte(this, "titre", {0, 72, 306, 26}, "TESSOR"));
    colore_texte(ligne_de_texte(this, "en_cours", {0, 136, 305, 33}, "EN COURS"), Qt::white);

    minuterie_->setObjectName(QStringLiteral("minuterie"));
    minuterie_->setSingleShot(true);
    minuterie_->setInterval(1);
    connect(minuterie_, &QTimer::timeout, this, [this] { passe_a_la_fenetre(); });
}

void Chargement::demarre() {
    centre_sur_ecran(*this);
    show();
    minuterie_->start();
}

void Chargement::arrete_minuterie() {
    minuterie_->stop();
}

void Chargement::passe_a_la_fenetre() {
    passage_();
}

} // namespace tessor
