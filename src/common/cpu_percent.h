// The exported CPU occupancy global, g_CPUPercent: the last occupancy value
// handed to Java, kept for the gateway's older native bundles that read it.
//
// Several Java threads may be inside the library at once, so the global is
// only ever read and written through these accessors: relaxed atomic loads
// and stores of a plain 4-byte int. No ordering with other memory is needed
// (nothing else is published through it); atomicity keeps each access whole
// and race-free while the exported object stays a plain `int`.
#ifndef BUNDLE_COMMON_CPU_PERCENT_H
#define BUNDLE_COMMON_CPU_PERCENT_H

// A declaration of the loader-zeroed global (defined in globals.cpp), not a
// definition: nothing initialises it at load.
extern "C" int g_CPUPercent;  // NOLINT(bugprone-dynamic-static-initializers)

namespace bundle {

static_assert(sizeof(int) == 4, "g_CPUPercent is exported as a 4-byte int");

inline int LoadCpuPercent() { return __atomic_load_n(&g_CPUPercent, __ATOMIC_RELAXED); }

inline void StoreCpuPercent(int percent) {
    __atomic_store_n(&g_CPUPercent, percent, __ATOMIC_RELAXED);
}

}  // namespace bundle

#endif  // BUNDLE_COMMON_CPU_PERCENT_H
