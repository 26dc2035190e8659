#pragma once

#include "platform/DBControls.h"

#include <functional>
#include <vector>

// Benchmarks register a body; the main runs each repeatedly and prints the time per run.
namespace Bench {
struct Entry
{
    const char *name;
    std::function<void()> body;
    // Runs once and prints its own timings.
    bool once = false;
};
std::vector<Entry> &Entries();
inline bool Add(const char *name, std::function<void()> body, bool once = false)
{
    Entries().push_back({ name, std::move(body), once });
    return true;
}
// Keeps a computed value alive so the optimiser cannot drop the work.
void Consume(double value);

// The program on the build's database: started, with the chart window of Ag-Sn density
// isotherms open, and stopped again.
void StartProgram();
void OpenChartWindow();
void StopProgram();
// Does what a user's choice of the entry with this text does.
void Choose(TDBLookupComboBox *combo, const QString &text);
} // namespace Bench

#define VIRELT_BENCH(id, name, body) static const bool id##_bench = Bench::Add(name, body);
#define VIRELT_BENCH_ONCE(id, name, body)                                                          \
    static const bool id##_bench = Bench::Add(name, body, true);
