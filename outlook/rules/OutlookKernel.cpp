#include "outlook/rules/OutlookKernel.h"

#include <cstddef>
#include <cstring>

// The vector helpers never leave this file, so how other compiler versions pass 32-byte vectors
// between functions does not matter here.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace brackwell {

// The AVX2 copy needs GCC's target pragmas; other compilers (the fuzzing build's) take the
// portable one.
namespace portable {
#include "outlook/rules/OutlookKernelBody.inc"
}  // namespace portable

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC push_options
#pragma GCC target("avx2")
namespace avx2 {
#define BRACKWELL_KERNEL_AVX2
#include "outlook/rules/OutlookKernelBody.inc"
#undef BRACKWELL_KERNEL_AVX2
}  // namespace avx2
#pragma GCC pop_options
#endif

const OutlookKernel& PortableKernel() {
    static const OutlookKernel kernel{"portable",         portable::Add,      portable::AddRows,
                                      portable::Top,      portable::Find,     portable::CountAbove,
                                      portable::Bounds,   portable::AddCountAbove, portable::Outside,
                                      portable::TopBelow, portable::Columns, portable::TopRanks};
    return kernel;
}

const OutlookKernel& FastestKernel() {
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
    static const OutlookKernel kernel{"avx2", avx2::Add, avx2::AddRows, avx2::Top, avx2::Find, avx2::CountAbove,
                                      avx2::Bounds, avx2::AddCountAbove, avx2::Outside, avx2::TopBelow, avx2::Columns, avx2::TopRanks};
    if (__builtin_cpu_supports("avx2")) return kernel;
#endif
    return PortableKernel();
}

}  // namespace brackwell
