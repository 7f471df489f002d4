#include "renderer/animation/escape_kernel.h"

#include "renderer/animation/height_field.h"

#include <cstdint>

namespace morvantis {
namespace {

// One step z -> z^p + c. Every lane of a vector computes the same expression in the same
// order as the scalar version, so the results are identical to the bit. Vectors travel by
// reference only: the AVX2 clone below and its unoptimised callees disagree on how vectors
// are passed in registers.
template <typename T>
inline void Step(int formulaType, T& x, T& y, const T& re, const T& im) {
    T nx, ny;
    if (formulaType == 0) {
        nx = x * x - y * y + re;
        ny = 2.0 * x * y + im;
    } else if (formulaType == 1) {
        nx = x * (x * x - 3.0 * y * y) + re;
        ny = y * (3.0 * x * x - y * y) + im;
    } else {
        nx = x * x * x * x - 6.0 * x * x * y * y + y * y * y * y + re;
        ny = 4.0 * x * x * x * y - 4.0 * x * y * y * y + im;
    }
    x = nx;
    y = ny;
}

typedef double Lanes __attribute__((vector_size(32)));
typedef std::int64_t Mask __attribute__((vector_size(32)));
constexpr int kLanes = 4;

inline bool AnyActive(const Mask& m) { return (m[0] | m[1] | m[2] | m[3]) != 0; }

// Two independent groups of four points in flight hide the latency of the multiplications.
#if defined(__linux__) && defined(__x86_64__)
__attribute__((target_clones("avx2", "default")))
#endif
void CountEightPoints(const double* re, double im, int formulaType, int maxIterations, int* result) {
    Lanes reA, reB;
    for (int i = 0; i < kLanes; ++i) {
        reA[i] = re[i];
        reB[i] = re[kLanes + i];
    }
    const Lanes imV = {im, im, im, im};
    Lanes xA = {}, yA = {}, xB = {}, yB = {};
    Mask activeA = {-1, -1, -1, -1}, activeB = activeA;
    Mask countA = {}, countB = {};
    const Lanes four = {4.0, 4.0, 4.0, 4.0};
    for (int n = 0; n < maxIterations && (AnyActive(activeA) || AnyActive(activeB)); ++n) {
        Step(formulaType, xA, yA, reA, imV);
        Step(formulaType, xB, yB, reB, imV);
        countA -= activeA;
        countB -= activeB;
        activeA &= ~(Mask)(xA * xA + yA * yA >= four);
        activeB &= ~(Mask)(xB * xB + yB * yB >= four);
    }
    for (int i = 0; i < kLanes; ++i) {
        result[i] = static_cast<int>(countA[i]);
        result[kLanes + i] = static_cast<int>(countB[i]);
    }
}

}  // namespace

int CountEscape(double re, double im, int formulaType, int maxIterations) {
    double x = 0.0, y = 0.0;
    int n = 0;
    while (n < maxIterations) {
        Step(formulaType, x, y, re, im);
        ++n;
        if (x * x + y * y >= 4.0) return n;
    }
    return n;
}

void CountEscapeBatch(const double* re, double im, int count, int formulaType, int maxIterations,
                      int* result) {
    int i = 0;
    for (; i + 2 * kLanes <= count; i += 2 * kLanes)
        CountEightPoints(re + i, im, formulaType, maxIterations, result + i);
    for (; i < count; ++i) result[i] = CountEscape(re[i], im, formulaType, maxIterations);
}

}  // namespace morvantis
