#pragma once
#include "BenchStore.h"

#include <benchmark/benchmark.h>

// Every operation is timed three ways on each store: through the window
// (the program), as the least work it cannot do without (the limit), and
// done line by line (the reference).
using Run = void (*)(benchmark::State&, const BenchStore&);

struct Runs {
    Run startUp;
    Run wardrobeClick;  // on the last item of the file
    Run dressedClick;   // with ten items worn, spread through the file
    Run addToWardrobe;  // of a fully opaque picture of the store's item size
    Run updateItem;     // of the first item, nudged one pixel up
    Run deleteItem;     // of the middle item
    Run loadOutfit;     // of the ten items spread through the file
};

extern const Runs kProgramRuns, kLimitRuns, kReferenceRuns;

// The item added, updated and deleted in the runs.
inline QString addedName() { return QStringLiteral("New item"); }
inline int updatedIndex(const BenchStore&) { return 0; }
inline int deletedIndex(const BenchStore& store) { return store.shape().items / 2; }
