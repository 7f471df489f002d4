// The escape-time height field: the kernel, the 64 x 64 grids, the nine view presets and the
// progressive, double-buffered recomputation that walks through them.
#pragma once

#include <array>
#include <cstdint>

namespace morvantis {

constexpr int kGridSize = 64;
constexpr int kGridVertices = kGridSize * kGridSize;
constexpr int kPresetCount = 9;
constexpr int kPassesPerPreset = 60;
constexpr int kFramesPerPass = 2;

struct GridVertex {
    float x;
    float y;      // iteration count / maxIterations
    float z;
    float shade;  // written only in the animated grid
};

// Row after row: row r (real part, x) selects a run of 64 contiguous columns (imaginary part, z).
using Grid = std::array<GridVertex, kGridVertices>;

inline GridVertex& At(Grid& grid, int row, int column) { return grid[row * kGridSize + column]; }
inline const GridVertex& At(const Grid& grid, int row, int column) { return grid[row * kGridSize + column]; }

struct ViewPreset {
    float reMin, reMax, imMin, imMax;
    std::int32_t formula;  // 0: z^2 + c, 1: z^3 + c, 2: z^4 + c
    std::int32_t hold;     // 0: glide towards the next preset, 1: stay still
    std::int32_t motion;   // surface motion mode 10, 11 or 12
};

extern const std::array<ViewPreset, kPresetCount> viewPresets;

// Bounds in the order reMin, reMax, imMin, imMax.
using Region = std::array<float, 4>;

struct HeightField {
    Grid pendingGrid{};
    Grid currentGrid{};
    Region viewRegion{};
    Region regionStep{};
    int formulaType = 0;
    int maxIterations = 128;
    int motionMode = 10;
    int presetIndex = 0;
    int passesLeft = kPassesPerPreset;
    int framesLeft = kFramesPerPass;
    int nextColumn = 0;
};

int CountEscape(double re, double im, int formulaType, int maxIterations);

// The vertex at (row, column) for a region, without its height.
struct SampleGeometry {
    float stepRe, stepIm;
};
SampleGeometry GeometryOf(const Region& region);
GridVertex PlaceVertex(int row, int column, int count, int maxIterations);

void FillWholeGrid(HeightField& field);
void FillNextColumns(HeightField& field);
void AdvanceView(HeightField& field);
// Sets the view state to its start values and computes the whole first grid.
void ResetHeightField(HeightField& field);

}  // namespace morvantis
