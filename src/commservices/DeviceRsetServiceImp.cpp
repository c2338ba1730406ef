// Native half of com.korvanta.nestrova.commservices.DeviceRsetServiceImp:
// hands the gateway's reset to the platform.
#include "com_korvanta_nestrova_commservices_DeviceRsetServiceImp.h"

#include "common/log.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceRsetServiceImp_resetJni(JNIEnv *, jobject) {
    const int result = zivra_DeviceRsetServiceReset();
    BRIDGE_LOG("resetJni: return value = %d   leave============>\n", result);
    return result;
}
