#include "Bench.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace Bench {
std::vector<Entry> &Entries()
{
    static std::vector<Entry> entries;
    return entries;
}
static volatile double sink;
void Consume(double value)
{
    sink = value;
}
} // namespace Bench

// Usage: virelt_bench [name-filter]
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const char *filter = argc > 1 ? argv[1] : nullptr;
    for (const auto &entry : Bench::Entries()) {
        if (filter && !std::strstr(entry.name, filter))
            continue;
        if (entry.once) {
            std::printf("%s\n", entry.name);
            entry.body();
            continue;
        }
        using Clock = std::chrono::steady_clock;
        entry.body(); // warm-up
        int runs = 0;
        const auto start = Clock::now();
        auto elapsed = Clock::duration::zero();
        while (elapsed < std::chrono::milliseconds(200) && runs < 100000) {
            entry.body();
            ++runs;
            elapsed = Clock::now() - start;
        }
        const double us = std::chrono::duration<double, std::micro>(elapsed).count() / runs;
        std::printf("%-60s %12.3f us/run  (%d runs)\n", entry.name, us, runs);
    }
    return 0;
}
