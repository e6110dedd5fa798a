// The operations timed end to end through the window, as a person
// triggers them; whatever leads up to the click is done with the clock
// paused.
#include "Runs.h"
#include "WindowActions.h"
#include "shell/Form1.h"

#include <QtTest>

using namespace WindowActions;

namespace {

void startUp(benchmark::State& state, const BenchStore& store)
{
    QDir::setCurrent(store.path());
    for (auto _ : state) {
        Form1 window;
        benchmark::DoNotOptimize(window.Wardrobe->ListCount());
    }
}

void wardrobeClick(benchmark::State& state, const BenchStore& store)
{
    auto window = dressingWindow(store.path());
    const int last = rowOf(window->Wardrobe, BenchStore::itemName(store.shape().items - 1));
    for (auto _ : state)
        clickEntry(window->Wardrobe, last);
}

void dressedClick(benchmark::State& state, const BenchStore& store)
{
    auto window = dressingWindow(store.path());
    wear(*window, BenchStore::tenSpread(store.shape().items));
    for (auto _ : state) {
        state.PauseTiming();
        window->State.PictureMark = QStringLiteral("7");  // as after a click in the wardrobe
        state.ResumeTiming();
        clickEntry(window->Dressed, 0);
    }
}

void addToWardrobe(benchmark::State& state, const BenchStore& store)
{
    for (auto _ : state) {
        state.PauseTiming();
        store.restore();
        auto window = dressingWindow(store.path());
        prepareImport(*window, store.picturePath(), addedName());
        state.ResumeTiming();
        QTest::mouseClick(window->AddToWardrobe, Qt::LeftButton);
        state.PauseTiming();
        if (window->Wardrobe->ListCount() != store.shape().items + 1)
            state.SkipWithError("the item was not stored");
        window.reset();
        state.ResumeTiming();
    }
    store.restore();
}

void updateItem(benchmark::State& state, const BenchStore& store)
{
    auto window = dressingWindow(store.path());
    for (auto _ : state) {
        state.PauseTiming();
        prepareUpdate(*window, BenchStore::itemName(updatedIndex(store)));
        state.ResumeTiming();
        QTest::mouseClick(window->UpdateItem, Qt::LeftButton);
    }
    store.restore();
}

void deleteItem(benchmark::State& state, const BenchStore& store)
{
    for (auto _ : state) {
        state.PauseTiming();
        store.restore();
        auto window = dressingWindow(store.path());
        prepareDelete(*window, BenchStore::itemName(deletedIndex(store)));
        state.ResumeTiming();
        QTest::mouseClick(window->SayYes, Qt::LeftButton);
        state.PauseTiming();
        if (window->Wardrobe->ListCount() != store.shape().items - 1)
            state.SkipWithError("the item was not deleted");
        window.reset();
        state.ResumeTiming();
    }
    store.restore();
}

void loadOutfit(benchmark::State& state, const BenchStore& store)
{
    auto window = dressingWindow(store.path());
    for (auto _ : state)
        clickEntry(window->OutfitList, 0);
    if (window->Dressed->ListCount() != 10)
        state.SkipWithError("the outfit was not loaded");
}

}  // namespace

const Runs kProgramRuns = {startUp, wardrobeClick, dressedClick, addToWardrobe, updateItem, deleteItem, loadOutfit};
