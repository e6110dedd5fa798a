// The operations done the straightforward way, line by line and one
// character at a time, with the routines of the line-by-line reference:
// what the program's fast paths are measured against. Rewrites go to a
// scratch file beside the store, so that the store stays as generated.
#include "ReferenceStore.h"
#include "Runs.h"
#include "WindowActions.h"
#include "formats/picture/Colour.h"
#include "formats/wardrobe/ItemFormat.h"
#include "window/shell/Form1.h"

#include <QFile>

#include <functional>
#include <unistd.h>

namespace {

using Copy = std::function<bool(QIODevice& in, QIODevice& out)>;

QString scratchPath(const BenchStore& store) { return store.dataPath() + QStringLiteral(".reference"); }
QString heading(int index) { return QLatin1String(ItemFormat::kHeadingPrefix) + BenchStore::itemName(index); }

// The wardrobe list and the item table of a data file, the table written
// beside it, as after every change of the store.
void listAndTable(const QString& dataPath)
{
    benchmark::DoNotOptimize(ReferenceStore::wardrobeNames(dataPath));
    QFile table(dataPath + QStringLiteral(".table"));
    const QByteArray bytes = ReferenceStore::itemTable(dataPath);
    if (!table.open(QIODevice::WriteOnly | QIODevice::Truncate) || table.write(bytes) != bytes.size())
        qFatal("cannot write the reference's table");
}

void putOnDisk(QFile& file)
{
    if (!file.flush() || ::fsync(file.handle()) != 0)
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
}

// The data file copied line by line to a new file that then takes the
// scratch file's place, and the list and table read from it.
void rewrite(const BenchStore& store, const Copy& copy)
{
    QFile in(store.dataPath()), out(scratchPath(store) + QStringLiteral(".new"));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) || !copy(in, out))
        qFatal("cannot copy the data file");
    putOnDisk(out);
    QFile::remove(scratchPath(store));
    if (!QFile::rename(out.fileName(), scratchPath(store)))
        qFatal("cannot rename the reference's copy");
    listAndTable(scratchPath(store));
}

// The figure as the window shows it bare, to paint the items on.
QImage bareBody(const BenchStore& store)
{
    auto window = WindowActions::dressingWindow(store.path());
    window->BodyPic->Cls();
    return window->BodyPic->surface().copy();
}

void draw(benchmark::State& state, const BenchStore& store, const QStringList& names)
{
    const QImage body = bareBody(store);
    for (auto _ : state) {
        QImage figure = body.copy();
        for (const QString& name : names)
            if (!ReferenceStore::drawItem(figure, store.tablePath(), store.dataPath(), name).found)
                state.SkipWithError("an item was not found");
    }
}

void startUp(benchmark::State& state, const BenchStore& store)
{
    for (auto _ : state)
        listAndTable(store.dataPath());
}

void wardrobeClick(benchmark::State& state, const BenchStore& store)
{
    draw(state, store, {BenchStore::itemName(store.shape().items - 1)});
}

void dressedClick(benchmark::State& state, const BenchStore& store)
{
    draw(state, store, BenchStore::tenSpread(store.shape().items));
}

// The record appended to the data file, line by line, and the list and
// table read again.
void addToWardrobe(benchmark::State& state, const BenchStore& store)
{
    const QImage picture(store.picturePath());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(scratchPath(store));
        QFile::copy(store.dataPath(), scratchPath(store));
        state.ResumeTiming();
        QFile data(scratchPath(store));
        if (!data.open(QIODevice::Append))
            qFatal("cannot open the reference's copy");
        const QByteArray record = ItemFormat::record(addedName(), 0, 0, 1, picture, Colour::Purple);
        for (qsizetype from = 0; from < record.size();) {
            const qsizetype lineEnd = record.indexOf('\n', from);
            const qsizetype end = lineEnd < 0 ? record.size() : lineEnd + 1;
            data.write(record.constData() + from, end - from);
            from = end;
        }
        putOnDisk(data);
        listAndTable(scratchPath(store));
    }
}

void updateItem(benchmark::State& state, const BenchStore& store)
{
    const QString item = heading(updatedIndex(store));
    for (auto _ : state)
        rewrite(store, [&item](QIODevice& in, QIODevice& out) { return ReferenceStore::copyShifted(in, out, item, 0, -1); });
}

void deleteItem(benchmark::State& state, const BenchStore& store)
{
    const QString item = heading(deletedIndex(store));
    for (auto _ : state)
        rewrite(store, [&item](QIODevice& in, QIODevice& out) { return ReferenceStore::copyWithout(in, out, item); });
}

}  // namespace

const Runs kReferenceRuns = {startUp, wardrobeClick, dressedClick, addToWardrobe, updateItem, deleteItem, dressedClick};
