#include "support/TestRegistry.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace TestRegistry {
std::vector<std::pair<const char *, Factory>> &Tests()
{
    static std::vector<std::pair<const char *, Factory>> tests;
    return tests;
}
} // namespace TestRegistry

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto &[name, make] : TestRegistry::Tests()) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
