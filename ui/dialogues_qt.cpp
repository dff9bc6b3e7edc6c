#include "dialogues_qt.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace tessor {

// The window is brought up to date first, so the player sees the board the question is about.
// Return answers "Oui", Escape and the box's own close "Non". The box goes with the window if
// the window goes first, and its answer then never comes.
void DialoguesQt::question(const std::string& texte, std::function<void(bool)> reponse) {
    synchronise_();
    auto* boite = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tessor"),
                                  QString::fromStdString(texte), QMessageBox::NoButton, &fenetre_);
    boite->setTextFormat(Qt::PlainText);
    QPushButton* oui = boite->addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = boite->addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    boite->setDefaultButton(oui);
    boite->setEscapeButton(non);
    QObject::connect(boite, &QDialog::finished, &fenetre_,
                     [this, boite, oui, reponse = std::move(reponse)] {
                         boite->deleteLater();
                         // The window takes the keyboard back, as a window manager would give
                         // it; without one the keys would otherwise go nowhere.
                         fenetre_.activateWindow();
                         reponse(boite->clickedButton() == oui);
                         synchronise_();
                     });
    boite->open();
}

void DialoguesQt::ouvre_lien(const std::string& lien) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(lien)));
}

} // namespace tessor
