#include "PeakMemory.h"

#include "Runs.h"
#include "WindowActions.h"
#include "window/shell/Form1.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The high-water mark of the resident set, in kB, or -1.
qint64 residentPeak()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("VmHWM:\\s*(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

}  // namespace

namespace PeakMemory {

int runOperations(const QString& folder, int items)
{
    using namespace WindowActions;
    auto window = dressingWindow(folder);
    clickItem(*window, BenchStore::itemName(items - 1));
    wear(*window, BenchStore::tenSpread(items));
    clickEntry(window->Dressed, 0);
    clickEntry(window->OutfitList, 0);
    prepareUpdate(*window, BenchStore::itemName(0));
    QTest::mouseClick(window->UpdateItem, Qt::LeftButton);
    prepareImport(*window, QDir(folder).filePath(QStringLiteral("Pictures/New.bmp")), addedName());
    QTest::mouseClick(window->AddToWardrobe, Qt::LeftButton);
    prepareDelete(*window, BenchStore::itemName(items / 2));
    QTest::mouseClick(window->SayYes, Qt::LeftButton);
    if (window->Wardrobe->ListCount() != items)
        return 1;
    const qint64 peak = residentPeak();
    std::printf("%lld\n", static_cast<long long>(peak));
    return peak < 0 ? 1 : 0;
}

void measure(benchmark::State& state, const BenchStore& store)
{
    qint64 peak = -1;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(kChildFlag), store.path(), QString::number(store.shape().items)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0)
            state.SkipWithError("the measuring process failed");
        peak = child.readAllStandardOutput().trimmed().toLongLong();
    }
    store.restore();
    const double peakMB = double(peak) / 1024, dataMB = double(store.dataSize()) / (1 << 20);
    state.counters["peak_MB"] = peakMB;
    state.counters["data_MB"] = dataMB;
    state.counters["peak_per_data"] = peakMB / dataMB;
}

}  // namespace PeakMemory
