// The operations a person triggers in the window, timed end to end through
// Form1 on the offscreen platform, on a generated large and typical store.
#include "BenchStore.h"
#include "shell/Form1.h"

#include <QApplication>
#include <QDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const BenchStore& store(int which)
{
    static BenchStore large(BenchStore::kLarge), typical(BenchStore::kTypical);
    return which == 0 ? large : typical;
}

void describe(benchmark::State& state, const BenchStore& s)
{
    state.SetLabel(QStringLiteral("%1 items, %2 MB")
                       .arg(s.shape().items)
                       .arg(double(s.dataSize()) / (1 << 20), 0, 'f', 1)
                       .toStdString());
}

// A window started on the store, in the dressing panel.
std::unique_ptr<Form1> dressingWindow(const BenchStore& s)
{
    QDir::setCurrent(s.path());
    auto window = std::make_unique<Form1>();
    QTest::mouseClick(window->LetsGo, Qt::LeftButton);
    return window;
}

void clickEntry(QListWidget* list, int row)
{
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

int rowOf(const ListBox* list, const QString& text)
{
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->List(i) == text)
            return i;
    return -1;
}

void StartUp(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    QDir::setCurrent(s.path());
    describe(state, s);
    for (auto _ : state) {
        Form1 window;
        benchmark::DoNotOptimize(window.Wardrobe->ListCount());
    }
}

void WardrobeClickOnLastItem(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    auto w = dressingWindow(s);
    const int last = rowOf(w->Wardrobe, s.itemName(s.shape().items - 1));
    describe(state, s);
    for (auto _ : state)
        clickEntry(w->Wardrobe, last);
}

void DressedClickWithTenWorn(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    auto w = dressingWindow(s);
    describe(state, s);
    for (int i = 0; i < 10; ++i) {
        clickEntry(w->Wardrobe, rowOf(w->Wardrobe, s.itemName(i * s.shape().items / 10)));
        QTest::mouseClick(w->DressItem, Qt::LeftButton);
    }
    for (auto _ : state) {
        state.PauseTiming();
        w->State.PictureMark = QStringLiteral("7");  // as after a click in the wardrobe
        state.ResumeTiming();
        clickEntry(w->Dressed, 0);
    }
}

void LoadOutfitOfTen(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    auto w = dressingWindow(s);
    describe(state, s);
    for (auto _ : state)
        clickEntry(w->OutfitList, 0);
}

void UpdateFirstItem(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    auto w = dressingWindow(s);
    const int first = rowOf(w->Wardrobe, s.itemName(0));
    describe(state, s);
    for (auto _ : state) {
        state.PauseTiming();
        clickEntry(w->Wardrobe, first);
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        state.ResumeTiming();
        QTest::mouseClick(w->UpdateItem, Qt::LeftButton);
    }
    s.restore();
}

void DeleteMiddleItem(benchmark::State& state)
{
    const BenchStore& s = store(int(state.range(0)));
    describe(state, s);
    for (auto _ : state) {
        state.PauseTiming();
        s.restore();
        auto w = dressingWindow(s);
        clickEntry(w->Wardrobe, rowOf(w->Wardrobe, s.itemName(s.shape().items / 2)));
        QTest::mouseClick(w->DeleteSkirt, Qt::LeftButton);
        state.ResumeTiming();
        QTest::mouseClick(w->SayYes, Qt::LeftButton);
    }
    s.restore();
}

}  // namespace

BENCHMARK(StartUp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(WardrobeClickOnLastItem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DressedClickWithTenWorn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOutfitOfTen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(UpdateFirstItem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMiddleItem)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
