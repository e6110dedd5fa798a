#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The console report, followed by a table of every operation against its
// limit and its line-by-line reference: benchmarks are named
// "Operation/store/program", ".../limit" and ".../reference". Runs that
// report a peak memory ("peak_MB", "data_MB") get a table of their own.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<std::string> rows_;                 // "Operation/store", in order of running
    std::map<std::string, double> milliseconds_;   // by full name
    std::map<std::string, std::string> labels_;    // by row
    struct Memory {
        std::string store;
        double peak, data;
    };
    std::vector<Memory> memory_;

    void printTimes(std::FILE* out);
    void printMemory(std::FILE* out);
};
