// The operations timed end to end through the window, as a person
// triggers them; whatever leads up to the click is done with the clock
// paused.
#include "Runs.h"
#include "WindowActions.h"
#include "window/shell/Form1.h"

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

// Times one click on the button that prepare leads up to, each time on a
// fresh window over the store as generated; the wardrobe must then list
// items entries.
template <class Prepare>
void timeClickOnFreshStore(benchmark::State& state, const BenchStore& store, Prepare prepare, Button* Form1::*button,
                           int items, const char* failure)
{
    for (auto _ : state) {
        state.PauseTiming();
        store.restore();
        auto window = dressingWindow(store.path());
        prepare(*window);
        state.ResumeTiming();
        QTest::mouseClick((*window).*button, Qt::LeftButton);
        state.PauseTiming();
        if (window->Wardrobe->ListCount() != items)
            state.SkipWithError(failure);
        window.reset();
        state.ResumeTiming();
    }
    store.restore();
}

void addToWardrobe(benchmark::State& state, const BenchStore& store)
{
    const auto prepare = [&store](Form1& window) { prepareImport(window, store.picturePath(), addedName()); };
    timeClickOnFreshStore(state, store, prepare, &Form1::AddToWardrobe, store.shape().items + 1,
                          "the item was not stored");
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
    const auto prepare = [&store](Form1& window) { prepareDelete(window, BenchStore::itemName(deletedIndex(store))); };
    timeClickOnFreshStore(state, store, prepare, &Form1::SayYes, store.shape().items - 1, "the item was not deleted");
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
