// The hot loops built twice on x86-64, for AVX2 (which brings the population count instruction)
// and for any x86-64 processor; the loader picks the build the processor runs, so the package
// still runs everywhere and computes the same results on both. Other targets build them once, and
// so does the thread sanitizer's build (TESSOR_SANS_CLONES), whose runtime is not up when the
// loader picks.
#pragma once

#if defined(__x86_64__) && !defined(TESSOR_SANS_CLONES)
#define TESSOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TESSOR_CLONES
#endif
