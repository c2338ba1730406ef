// The library's only data: two zero-initialised globals, set up by the
// loader, so nothing runs when the JVM loads the library.
#include <jni.h>

extern "C" {

// Part of the exported interface for the gateway's older native bundles;
// no Java service method reads or writes it.
JNIEXPORT char global_buf[4096];

// Last CPU occupancy value handed to Java.
JNIEXPORT int g_CPUPercent;

}  // extern "C"
