#include "plateforme_qt.h"

#include <QDesktopServices>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QThreadPool>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QtConcurrent>

#include <utility>

namespace tessor {

std::int32_t horloge_systeme() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

PlateformeQt::PlateformeQt(QWidget& fenetre, std::function<void()> synchronise, Horloge horloge,
                           bool pauses)
    : fenetre_(fenetre), synchronise_(std::move(synchronise)), horloge_(std::move(horloge)),
      pauses_(pauses) {
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
    // The window takes the keyboard back, as a window manager would give it; without one the
    // keys would otherwise go nowhere once the box is gone.
    fenetre_.activateWindow();
    return boite.clickedButton() == oui;
}

void PlateformeQt::attend(int ms, std::function<void()> suite) {
    QTimer::singleShot(pauses_ ? ms : 0, &fenetre_, [this, suite = std::move(suite)] {
        suite();
        synchronise_();
    });
}

void PlateformeQt::calcule(std::function<void()> travail, std::function<void()> suite) {
    auto* veilleur = new QFutureWatcher<void>(&fenetre_);
    QObject::connect(veilleur, &QFutureWatcher<void>::finished, &fenetre_,
                     [this, veilleur, suite = std::move(suite)] {
                         veilleur->deleteLater();
                         suite();
                         synchronise_();
                     });
    veilleur->setFuture(QtConcurrent::run(std::move(travail)));
}

void PlateformeQt::termine_calcul() {
    QThreadPool::globalInstance()->waitForDone();
}

void PlateformeQt::ouvre_lien(const std::string& lien) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(lien)));
}

float PlateformeQt::aleatoire() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return hasard_.tirage();
}

void PlateformeQt::reensemence(std::int32_t secondes) {
    const std::lock_guard<std::mutex> garde(verrou_);
    hasard_.reensemence(secondes);
}

} // namespace tessor
