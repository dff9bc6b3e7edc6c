// Ends the program cleanly when its main window is lost, the same way as "Quitter": when the
// desktop destroys the window (a tool, or a window manager or compositor that crashes, can destroy
// it under the program) and when the session asks the program to stop (SIGTERM, SIGHUP, SIGINT).
// Either closes the main window, which stops any game and ends the event loop with status 0, also
// while a question or the information window is open; the program never runs on invisible.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QSocketNotifier;
class QWidget;

namespace tessor {

class Garde : public QObject, public QAbstractNativeEventFilter {
  public:
    // Watches `fenetre`, its parent, for as long as it lives.
    explicit Garde(QWidget& fenetre);
    ~Garde() override;
    Garde(const Garde&) = delete;
    Garde& operator=(const Garde&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* resultat) override;

  private:
    void ferme();

    QWidget& fenetre_;
    QSocketNotifier* signaux_;
};

} // namespace tessor
