// Runs every registered benchmark, then prints one summary: each benchmark's time, its ratio to
// memcpy of one picture, and its ratio to any reference registered beside it (see BenchSupport.h).

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

#include "bench/BenchSupport.h"

namespace {

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
        std::printf("\n%-32s %12s %10s   %s\n", "operation", "cpu (us)", "x memcpy", "x reference");
        for (const auto& [name, ns] : best_) {
            std::string ratio = "-";
            if (memcpyTime != best_.end())
                ratio = std::to_string(ns / memcpyTime->second).substr(0, 6);
            std::string beside;
            for (const bench::Reference& r : bench::references()) {
                const auto other = best_.find(r.reference);
                if (r.benchmark == name && other != best_.end())
                    beside += std::to_string(ns / other->second).substr(0, 6) + " x " + r.label + "  ";
            }
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
