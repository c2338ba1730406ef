// The library's only data: two zero-initialised globals, set up by the
// loader, so nothing runs when the JVM loads the library.
#include <jni.h>

// Declares g_CPUPercent and its accessors: the definition below must match.
#include "common/cpu_percent.h"

extern "C" {

// Part of the exported interface for the gateway's older native bundles;
// no Java service method reads or writes it.
JNIEXPORT char global_buf[4096];

// Last CPU occupancy value handed to Java. A plain int for the bundles that
// link against it; inside the library it is touched only through
// bundle::LoadCpuPercent/StoreCpuPercent (relaxed atomics, several Java
// threads may call at once).
JNIEXPORT int g_CPUPercent;

}  // extern "C"
