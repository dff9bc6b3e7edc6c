#include "indicateur_focus.h"

#include <QApplication>
#include <QPainter>

namespace tessor {

namespace {

// Both colours together stand out from any colour beneath, in WCAG 2.1's contrast ratio
// (L1 + 0.05) / (L2 + 0.05) of relative luminances: yellow #FFFF00 (L = 0.9278) reaches 3:1
// against any colour of luminance up to 0.276, black (L = 0) against any from 0.10 up. Against
// the navy faces of the options screen (#000080, L = 0.0156) the yellow outer ring has 14.9:1;
// against the grey choosers' faces (#808080, L = 0.2159) 3.7:1; against the light face of a
// button the black inner ring has 17:1 or more (L >= 0.8).
const QColor JAUNE_EXTERIEUR(0xFF, 0xFF, 0x00);
const QColor NOIR_INTERIEUR(0x00, 0x00, 0x00);
constexpr int EPAISSEUR_JAUNE = 2;

} // namespace

IndicateurFocus::IndicateurFocus(QWidget* fenetre) : QWidget(fenetre) {
    setObjectName(QStringLiteral("indicateur_focus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* nouveau) { suit(nouveau); });
    qApp->installEventFilter(this);
}

bool IndicateurFocus::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && objet->isWidgetType()) {
        QWidget* fenetre = parentWidget();
        auto* cible = static_cast<QWidget*>(objet);
        if (cible == fenetre || fenetre->isAncestorOf(cible)) {
            fenetre->setAttribute(Qt::WA_KeyboardFocusChange, false);
            suit(nullptr);
        }
    }
    return QWidget::eventFilter(objet, event);
}

// The ring surrounds the control, just outside its edge; it leaves when the focus leaves the
// window's controls or when the focus was not moved by the keyboard.
void IndicateurFocus::suit(QWidget* controle) {
    QWidget* fenetre = parentWidget();
    const bool au_clavier = controle != nullptr && controle != fenetre &&
                            fenetre->isAncestorOf(controle) &&
                            fenetre->testAttribute(Qt::WA_KeyboardFocusChange);
    controle_ = au_clavier ? controle : nullptr;
    if (!au_clavier) {
        hide();
        return;
    }
    const QRect zone(controle->mapTo(fenetre, QPoint(0, 0)), controle->size());
    setGeometry(zone.adjusted(-EPAISSEUR, -EPAISSEUR, EPAISSEUR, EPAISSEUR));
    raise();
    show();
    update();
}

void IndicateurFocus::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    for (int i = 0; i < EPAISSEUR; ++i) {
        p.setPen(i < EPAISSEUR_JAUNE ? JAUNE_EXTERIEUR : NOIR_INTERIEUR);
        p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
    }
}

} // namespace tessor
