#include "benchmark/benchmark.h"

#include <chrono>
#include <cstdio>

namespace benchmark {
namespace {

struct Case {
    std::string name;
    Function function;
    std::vector<std::int64_t> args;
};

std::vector<Case>& Cases() {
    static std::vector<Case> cases;
    return cases;
}

double SecondsFor(Function function, std::int64_t arg, std::int64_t iterations) {
    State state(arg, iterations);
    const auto start = std::chrono::steady_clock::now();
    function(state);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

Registration::Registration(const char* name, Function function) { Cases().push_back({name, function, {0}}); }

Registration* Registration::DenseRange(std::int64_t first, std::int64_t last) {
    Cases().back().args.clear();
    for (std::int64_t a = first; a <= last; ++a) Cases().back().args.push_back(a);
    return this;
}

Registration* Registration::Unit(TimeUnit) { return this; }

int RunAll() {
    std::printf("%-28s %14s %12s\n", "Benchmark", "Time (us)", "Iterations");
    for (const Case& c : Cases()) {
        for (std::int64_t arg : c.args) {
            std::int64_t iterations = 1;
            double seconds = SecondsFor(c.function, arg, iterations);
            while (seconds < 0.5 && iterations < (std::int64_t{1} << 30)) {
                iterations *= seconds > 0.01 ? static_cast<std::int64_t>(0.6 / seconds) + 1 : 10;
                seconds = SecondsFor(c.function, arg, iterations);
            }
            const std::string name = c.name + "/" + std::to_string(arg);
            std::printf("%-28s %14.1f %12lld\n", name.c_str(), seconds * 1e6 / iterations,
                        static_cast<long long>(iterations));
        }
    }
    return 0;
}

}  // namespace benchmark
