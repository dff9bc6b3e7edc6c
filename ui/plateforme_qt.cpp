#include "plateforme_qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QUrl>

#include <utility>

namespace tessor {

std::int32_t horloge_systeme() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

PlateformeQt::PlateformeQt(QWidget& fenetre, std::function<void()> synchronise, Horloge horloge)
    : fenetre_(fenetre), synchronise_(std::move(synchronise)), horloge_(std::move(horloge)) {
    reensemence_horloge(*this);
}

// The window is brought up to date first, so the player sees the board the question is about.
bool PlateformeQt::question(const std::string& texte) {
    synchronise_();
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Tessor"), QString::fromStdString(texte),
                      QMessageBox::NoButton, &fenetre_);
    boite.setTextFormat(Qt::PlainText);
    QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

void PlateformeQt::traite_evenements() {
    synchronise_();
    QApplication::processEvents();
}

void PlateformeQt::ouvre_lien(const std::string& lien) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(lien)));
}

} // namespace tessor
