// The escape-time iteration, written once for one point (double) and for a batch of points
// (a vector of doubles), so that both give the same bits.
#pragma once

namespace morvantis {

// Counts of a column of points: re[i] + i*im, formula 0/1/2, at most maxIterations each.
void CountEscapeBatch(const double* re, double im, int count, int formulaType, int maxIterations,
                      int* result);

}  // namespace morvantis
