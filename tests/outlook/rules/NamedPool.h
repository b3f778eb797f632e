#pragma once
// A pool recipe under a name, for the cases of a parameterised test.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/outlook/rules/OutlookPools.h"

namespace brackwell::testing {

struct NamedPool {
    const char* name;
    PoolRecipe recipe;
};

inline void PrintTo(const NamedPool& pool, std::ostream* os) { *os << pool.name; }
inline std::string PoolName(const ::testing::TestParamInfo<NamedPool>& info) { return info.param.name; }

}  // namespace brackwell::testing
