// Tessor: a two-player strategy game. The program takes no command line and keeps
// no files but its remembered settings.
#include "polices.h"
#include "programme.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tessor::charge_polices();
    tessor::Programme programme;
    programme.demarre();
    return QApplication::exec();
}
