// Runs every registered benchmark, then prints one summary: each benchmark's time, its ratio to
// memcpy of one picture, and for a fill its ratio to OpenCV's fill of the same picture.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

#include "bench/BenchSupport.h"

namespace {

// A fill is named after its picture, the first word after the slash ("borderFill/open diagonal
// cross", "fill tool/open pad"); OpenCV's fill of that picture is its reference.
std::string openCvReference(const std::string& name)
{
    const bool fill = name.find("Fill/") != std::string::npos || name.starts_with("fill tool/");
    if (!fill || name.starts_with("opencv"))
        return "";
    const std::string picture = name.substr(name.find('/') + 1);
    return "opencv floodFill/" + picture.substr(0, picture.find(' '));
}

// Prints the usual console report and keeps the best CPU time of each benchmark, in nanoseconds: on a
// shared machine the wall clock also counts the time other processes held the core.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const double ns = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            const auto [it, inserted] = best_.try_emplace(run.run_name.str(), ns);
            if (!inserted)
                it->second = std::min(it->second, ns);
        }
    }

    void printSummary() const
    {
        const auto memcpyTime = best_.find(bench::kMemcpyReference);
        std::printf("\n%-32s %12s %10s   %s\n", "operation", "cpu (us)", "x memcpy", "x OpenCV");
        for (const auto& [name, ns] : best_) {
            std::string ratio = "-";
            if (memcpyTime != best_.end())
                ratio = std::to_string(ns / memcpyTime->second).substr(0, 6);
            const auto reference = best_.find(openCvReference(name));
            std::string beside;
            if (reference != best_.end())
                beside = std::to_string(ns / reference->second).substr(0, 6);
            std::printf("%-32s %12.1f %10s   %s\n", name.c_str(), ns / 1000.0, ratio.c_str(), beside.c_str());
        }
    }

private:
    std::map<std::string, double> best_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
