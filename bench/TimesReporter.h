#pragma once
// Console output, plus every benchmark's CPU time by name (the median when
// repeated), handed to the benchmark's own closing table of ratios.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TimesReporter : public benchmark::ConsoleReporter {
public:
    using Times = std::map<std::string, double>;
    explicit TimesReporter(std::function<void(const Times&)> table) : table_(std::move(table)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                times_[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        table_(times_);
    }

private:
    std::function<void(const Times&)> table_;
    Times times_;
};
