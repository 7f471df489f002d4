// Where the external BMP test suite lives. It is not part of the repository: tests that read it
// are skipped when it is missing, or fail when the build requires it (CI does).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace morvantis::testing {
inline const std::string kBmpSuite = std::string(MORVANTIS_TESTDATA_DIR) + "/bmpsuite/";
inline const bool kBmpSuiteMissing = !std::filesystem::exists(kBmpSuite + "INDEX.tsv");
inline const std::string kBmpSuiteWhy = "the BMP suite is missing: no " + kBmpSuite +
                                        "INDEX.tsv (point MORVANTIS_TESTDATA_DIR at the folder holding bmpsuite/)";
}  // namespace morvantis::testing

// Leaves the calling test, skipped or failed, when the suite is not there.
#ifdef MORVANTIS_REQUIRE_TESTDATA
#define MORVANTIS_NEEDS_BMP_SUITE() \
    if (::morvantis::testing::kBmpSuiteMissing) FAIL() << ::morvantis::testing::kBmpSuiteWhy
#else
#define MORVANTIS_NEEDS_BMP_SUITE() \
    if (::morvantis::testing::kBmpSuiteMissing) GTEST_SKIP() << ::morvantis::testing::kBmpSuiteWhy
#endif
