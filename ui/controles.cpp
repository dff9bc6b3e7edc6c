#include "controles.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace tessor {

QString nom_indice(const char* nom, int indice) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(nom)).arg(indice);
}

void habille(QLabel* label, const QRect& r, const QFont& police, const QColor& couleur,
             Qt::Alignment alignement) {
    label->setGeometry(r);
    label->setTextFormat(Qt::PlainText);
    label->setFont(police);
    label->setAlignment(alignement);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, couleur);
    label->setPalette(palette);
}

QLabel* etiquette(QWidget* parent, const QRect& r, const QString& texte, const QFont& police,
                  const QColor& couleur, Qt::Alignment alignement) {
    auto* label = new QLabel(parent);
    habille(label, r, police, couleur, alignement);
    label->setText(texte);
    return label;
}

QPushButton* bouton(QWidget* parent, const QRect& r, const QString& texte, const QFont& police) {
    auto* b = new QPushButton(texte, parent);
    b->setGeometry(r);
    b->setFont(police);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QWidget* rectangle_plein(QWidget* parent, const QRect& r, const QColor& couleur) {
    auto* w = new QWidget(parent);
    w->setGeometry(r);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, couleur);
    w->setPalette(palette);
    return w;
}

QWidget* rectangle_vide(QWidget* parent, const QRect& r, const QColor& couleur, int epaisseur) {
    auto* cadre = new QFrame(parent);
    cadre->setGeometry(r);
    cadre->setAttribute(Qt::WA_TransparentForMouseEvents);
    cadre->setFrameStyle(QFrame::Box | QFrame::Plain);
    cadre->setLineWidth(epaisseur);
    QPalette palette = cadre->palette();
    palette.setColor(QPalette::WindowText, couleur);
    cadre->setPalette(palette);
    return cadre;
}

} // namespace tessor
