#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Test classes register themselves; the shared main runs them all in one program.
namespace TestRegistry {
using Factory = std::function<QObject *()>;
std::vector<std::pair<const char *, Factory>> &Tests();
inline bool Add(const char *name, Factory f)
{
    Tests().emplace_back(name, std::move(f));
    return true;
}
} // namespace TestRegistry

#define VIRELT_TEST(Class)                                                                         \
    static const bool Class##_registered = TestRegistry::Add(#Class, [] { return new Class; });
