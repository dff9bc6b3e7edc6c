#include "garde.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tessor {

namespace {

// A signal handler may only write: it hands the signal to the event loop through a pipe, whose
// read end the event loop watches.
std::array<int, 2> tube{-1, -1};

void recoit_signal(int) {
    const char octet = 1;
    [[maybe_unused]] const ssize_t ecrit = write(tube[1], &octet, 1);
}

int ouvre_tube() {
    if (tube[0] < 0 && pipe2(tube.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        qFatal("no pipe for the signals");
    }
    struct sigaction action {};
    action.sa_handler = recoit_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(s, &action, nullptr);
    }
    return tube[0];
}

} // namespace

Garde::Garde(QWidget& fenetre)
    : QObject(&fenetre), fenetre_(fenetre),
      signaux_(new QSocketNotifier(ouvre_tube(), QSocketNotifier::Read, this)) {
    connect(signaux_, &QSocketNotifier::activated, this, [this] {
        char octets[16];
        while (read(tube[0], octets, sizeof octets) > 0) {
        }
        ferme();
    });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

Garde::~Garde() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

// On X, the window's own notice of its destruction. The program destroys its windows only when
// it deletes them, and this guard goes with the main window, so the notice comes from outside.
bool Garde::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (type != "xcb_generic_event_t") {
        return false;
    }
    const auto* evenement = static_cast<const xcb_generic_event_t*>(message);
    if ((evenement->response_type & 0x7F) == XCB_DESTROY_NOTIFY) {
        const auto* detruite = static_cast<const xcb_destroy_notify_event_t*>(message);
        if (detruite->window == fenetre_.internalWinId()) {
            ferme();
        }
    }
    return false;
}

// The window closes as through its title bar, past any open question box: closing it from the
// program is never held back by a modal window.
void Garde::ferme() {
    fenetre_.close();
}

} // namespace tessor
