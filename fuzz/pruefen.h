#pragma once
// A property a fuzz target checks: when it does not hold, the run stops with the
// condition and its line, so the finding names what broke.
#include <cstdio>
#include <cstdlib>

#define PRUEFEN(bedingung)                                                                                             \
    do {                                                                                                               \
        if (!(bedingung)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: verletzt: %s\n", __FILE__, __LINE__, #bedingung);                             \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
