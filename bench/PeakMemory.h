#pragma once
#include "BenchStore.h"

#include <benchmark/benchmark.h>

// The most memory the program holds while a person goes through every
// operation on a store: measured in a process of its own, so that the
// generated stores and the other runs do not count.
namespace PeakMemory {

// The flag that starts the benchmark program as that process; it is
// followed by the store's folder and its number of items.
inline constexpr char kChildFlag[] = "--peak-memory-on";

// In that process: every operation once, then the peak resident size in
// kB on standard output. Returns the process's exit code.
int runOperations(const QString& folder, int items);

// Runs that process on the store and reports its peak, the data file's
// size and their ratio as counters.
void measure(benchmark::State& state, const BenchStore& store);

}  // namespace PeakMemory
