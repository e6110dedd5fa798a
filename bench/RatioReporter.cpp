#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

namespace {
double toMilliseconds(double time, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return time / 1e6;
    case benchmark::kMicrosecond: return time / 1e3;
    case benchmark::kMillisecond: return time;
    default: return time * 1e3;
    }
}
// The index-th part of a name like "PeakMemory/large/iterations:1".
std::string segment(const std::string& name, size_t index)
{
    size_t from = 0;
    for (; index > 0 && from != std::string::npos; --index)
        from = name.find('/', from) == std::string::npos ? std::string::npos : name.find('/', from) + 1;
    if (from == std::string::npos)
        return std::string();
    return name.substr(from, name.find('/', from) - from);
}

// "large (60 items, 74.5 MB)".
std::string storeName(const std::string& store, const std::string& label)
{
    return label.empty() ? store : store + " (" + label + ")";
}
}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const std::string name = run.benchmark_name();
        if (run.counters.count("peak_MB")) {
            memory_.push_back({storeName(segment(name, 1), run.report_label), run.counters.at("peak_MB"),
                               run.counters.at("data_MB")});
            continue;
        }
        const std::string row = name.substr(0, name.rfind('/'));
        if (std::find(rows_.begin(), rows_.end(), row) == rows_.end())
            rows_.push_back(row);
        milliseconds_[name] = toMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        if (!run.report_label.empty())
            labels_[row] = run.report_label;
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    printTimes(stdout);
    printMemory(stdout);
}

void RatioReporter::printMemory(std::FILE* out)
{
    if (memory_.empty())
        return;
    std::fprintf(out, "\n| Store | Data file (MB) | Peak memory (MB) | Peak / data file |\n|---|---:|---:|---:|\n");
    for (const Memory& m : memory_)
        std::fprintf(out, "| %s | %.1f | %.1f | %.2f |\n", m.store.c_str(), m.data, m.peak, m.peak / m.data);
}

void RatioReporter::printTimes(std::FILE* out)
{
    if (rows_.empty())
        return;
    std::fprintf(out, "\n| Operation | Store | Time (ms) | Limit (ms) | Reference (ms) | Time / limit | Reference / time |\n");
    std::fprintf(out, "|---|---|---:|---:|---:|---:|---:|\n");
    for (const std::string& row : rows_) {
        const auto time = milliseconds_.find(row + "/program");
        if (time == milliseconds_.end())
            continue;
        const auto limit = milliseconds_.find(row + "/limit");
        const auto reference = milliseconds_.find(row + "/reference");
        const std::string operation = row.substr(0, row.find('/'));
        const std::string store = storeName(row.substr(row.find('/') + 1), labels_[row]);
        std::fprintf(out, "| %s | %s | %.2f |", operation.c_str(), store.c_str(), time->second);
        if (limit != milliseconds_.end())
            std::fprintf(out, " %.2f |", limit->second);
        else
            std::fprintf(out, " |");
        if (reference != milliseconds_.end())
            std::fprintf(out, " %.1f |", reference->second);
        else
            std::fprintf(out, " |");
        if (limit != milliseconds_.end())
            std::fprintf(out, " %.2f |", time->second / limit->second);
        else
            std::fprintf(out, " |");
        if (reference != milliseconds_.end())
            std::fprintf(out, " %.0f |\n", reference->second / time->second);
        else
            std::fprintf(out, " |\n");
    }
}
