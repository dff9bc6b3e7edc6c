#include "etiquette_lien.h"

#include "accessibilite.h"

#include <QMouseEvent>

namespace tessor {

EtiquetteLien::EtiquetteLien(const QString& texte, const QString& adresse, QWidget* parent)
    : QLabel(texte, parent), adresse_(adresse) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::UpArrowCursor);
    installe_accessibilite();
    setAccessibleName(texte);
    const bool courriel = adresse.startsWith(QLatin1String("mailto:"));
    setAccessibleDescription(courriel ? QStringLiteral("Écrit un courriel à ") + texte
                                      : QStringLiteral("Ouvre le site ") + adresse);
}

void EtiquetteLien::mousePressEvent(QMouseEvent* evenement) {
    enfoncee_ = evenement->button() == Qt::LeftButton;
    evenement->accept();
}

// A click is a left press and release on the label, as for a button: letting go elsewhere
// opens nothing.
void EtiquetteLien::mouseReleaseEvent(QMouseEvent* evenement) {
    const bool clic = enfoncee_ && evenement->button() == Qt::LeftButton &&
                      rect().contains(evenement->position().toPoint());
    enfoncee_ = false;
    evenement->accept();
    if (clic) {
        emit clique(adresse_);
    }
}

} // namespace tessor
