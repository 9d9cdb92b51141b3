#pragma once

#include "catalogue/catalogue.h"

// The 38 categories, built once for the tests and benchmarks that only read them.
inline const CCatalogue& BuiltCatalogue() {
    static const CCatalogue catalogue = [] {
        CCatalogue built;
        built.BuildCatalogue();
        return built;
    }();
    return catalogue;
}
