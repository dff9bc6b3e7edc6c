// A hand-over between threads that goes through Qt's own queues, told to ThreadSanitizer, which
// cannot see into Qt's libraries: everything a thread wrote before `donne(jeton)` is seen by the
// thread that then calls `recoit(jeton)`. In other builds both do nothing.
#pragma once

#if defined(__SANITIZE_THREAD__)
#define TESSOR_SANITISEUR_THREADS 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TESSOR_SANITISEUR_THREADS 1
#endif
#endif

#ifdef TESSOR_SANITISEUR_THREADS
#include <sanitizer/tsan_interface.h>
#endif

namespace tessor::passage {

inline void donne([[maybe_unused]] void* jeton) {
#ifdef TESSOR_SANITISEUR_THREADS
    __tsan_release(jeton);
#endif
}

inline void recoit([[maybe_unused]] void* jeton) {
#ifdef TESSOR_SANITISEUR_THREADS
    __tsan_acquire(jeton);
#endif
}

} // namespace tessor::passage
