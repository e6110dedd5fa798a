// The operations a person triggers in the window, on a generated large and
// typical store: each timed through Form1 on the offscreen platform, as
// its limit and as the line-by-line reference, then the peak memory; a
// table of the ratios follows the console report.
#include "BenchStore.h"
#include "PeakMemory.h"
#include "RatioReporter.h"
#include "Runs.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

struct Store {
    const char* name;
    const BenchStore::Shape& shape;
};
const Store kStores[] = {{"large", BenchStore::kLarge}, {"typical", BenchStore::kTypical}};

// Each store is generated once, when a run first needs it.
const BenchStore& store(const BenchStore::Shape& shape)
{
    if (&shape == &BenchStore::kLarge) {
        static const BenchStore large(shape);
        return large;
    }
    static const BenchStore typical(shape);
    return typical;
}

void describe(benchmark::State& state, const BenchStore& s)
{
    state.SetLabel(QStringLiteral("%1 items, %2 MB")
                       .arg(s.shape().items)
                       .arg(double(s.dataSize()) / (1 << 20), 0, 'f', 1)
                       .toStdString());
}

struct Operation {
    const char* name;
    Run Runs::*run;
};
const Operation kOperations[] = {
    {"StartUp", &Runs::startUp},           {"WardrobeClick", &Runs::wardrobeClick}, {"DressedClick", &Runs::dressedClick},
    {"AddToWardrobe", &Runs::addToWardrobe}, {"UpdateItem", &Runs::updateItem},     {"DeleteItem", &Runs::deleteItem},
    {"LoadOutfit", &Runs::loadOutfit},
};

void registerAll()
{
    const std::pair<const char*, const Runs*> ways[] = {
        {"program", &kProgramRuns}, {"limit", &kLimitRuns}, {"reference", &kReferenceRuns}};
    for (const Operation& operation : kOperations)
        for (const Store& s : kStores)
            for (const auto& [way, runs] : ways) {
                const Run run = runs->*operation.run;
                const std::string name = std::string(operation.name) + "/" + s.name + "/" + way;
                benchmark::RegisterBenchmark(name.c_str(), [run, &s](benchmark::State& state) {
                    const BenchStore& generated = store(s.shape);
                    describe(state, generated);
                    run(state, generated);
                })->Unit(benchmark::kMillisecond);
            }
    for (const Store& s : kStores)
        benchmark::RegisterBenchmark((std::string("PeakMemory/") + s.name).c_str(), [&s](benchmark::State& state) {
            const BenchStore& generated = store(s.shape);
            describe(state, generated);
            PeakMemory::measure(state, generated);
        })->Unit(benchmark::kMillisecond)->Iterations(1);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], PeakMemory::kChildFlag) == 0)
        return PeakMemory::runOperations(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    registerAll();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
