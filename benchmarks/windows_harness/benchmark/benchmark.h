// The part of Google Benchmark's interface that the benchmarks here use, for the Windows
// build, where the library itself is not available. Times each registered case for about a
// second and prints the mean time per iteration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace benchmark {

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond };

class State {
public:
    State(std::int64_t arg, std::int64_t iterations) : arg_(arg), max_(iterations) {}
    std::int64_t range(int) const { return arg_; }
    std::int64_t iterations() const { return max_; }
    void SetItemsProcessed(std::int64_t items) { items_ = items; }
    std::int64_t items() const { return items_; }

    // What `for (auto _ : state)` binds: a class type, so the unused name draws no warning.
    struct Value {
        Value() {}
        ~Value() {}
    };
    struct Iterator {
        std::int64_t left;
        bool operator!=(const Iterator&) const { return left > 0; }
        void operator++() { --left; }
        Value operator*() const { return {}; }
    };
    Iterator begin() { return {max_}; }
    Iterator end() { return {0}; }

private:
    std::int64_t arg_;
    std::int64_t max_;
    std::int64_t items_ = 0;
};

template <typename T>
inline void DoNotOptimize(T const& value) {
    asm volatile("" : : "r,m"(value) : "memory");
}

using Function = void (*)(State&);

class Registration {
public:
    Registration(const char* name, Function function);
    Registration* DenseRange(std::int64_t first, std::int64_t last);
    Registration* Unit(TimeUnit unit);
};

int RunAll();

}  // namespace benchmark

#define BENCHMARK_CONCAT2(a, b) a##b
#define BENCHMARK_CONCAT(a, b) BENCHMARK_CONCAT2(a, b)
#define BENCHMARK(function)                                                  \
    static ::benchmark::Registration* BENCHMARK_CONCAT(registration_, __LINE__) = \
        (new ::benchmark::Registration(#function, function))
#define BENCHMARK_MAIN() \
    int main() { return ::benchmark::RunAll(); }
