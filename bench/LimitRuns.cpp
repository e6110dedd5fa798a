// The least work each operation cannot do without: the bytes it must
// touch read from the page cache and their line ends found, the copy a
// rewrite must write, and the pixels a redraw must set.
#include "Limits.h"
#include "Runs.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"

#include <QFile>

namespace {

// The records of the items drawn, read, and their pixels set on a figure.
void drawRecords(const BenchStore& store, const QList<int>& indices, QImage& figure)
{
    for (const int index : indices) {
        const BenchStore::Record& record = store.records().at(index);
        benchmark::DoNotOptimize(Limit::passOver(store.dataPath(), record.offset, record.size));
        Limit::paint(figure, record.pixels, store.shape().height, 0, 0);
    }
}

QImage figure() { return QImage(400, 400, QImage::Format_RGB32); }

void startUp(benchmark::State& state, const BenchStore& store)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Limit::passOver(store.dataPath(), 0, store.dataSize()));
}

void wardrobeClick(benchmark::State& state, const BenchStore& store)
{
    QImage body = figure();
    for (auto _ : state)
        drawRecords(store, {store.shape().items - 1}, body);
}

void dressedClick(benchmark::State& state, const BenchStore& store)
{
    QImage body = figure();
    const QList<int> worn = BenchStore::tenSpreadIndices(store.shape().items);
    for (auto _ : state)
        drawRecords(store, worn, body);
}

void addToWardrobe(benchmark::State& state, const BenchStore& store)
{
    const QImage picture(store.picturePath());
    const QByteArray record = ItemFormat::record(addedName(), 0, 0, 1, picture, Colour::Purple);
    for (auto _ : state)
        Limit::copy(store.dataPath(), record);
}

void rewrite(benchmark::State& state, const BenchStore& store)
{
    for (auto _ : state)
        Limit::copy(store.dataPath());
}

}  // namespace

const Runs kLimitRuns = {startUp, wardrobeClick, dressedClick, addToWardrobe, rewrite, rewrite, dressedClick};
