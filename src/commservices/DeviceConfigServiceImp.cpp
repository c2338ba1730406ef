// Native half of com.korvanta.nestrova.commservices.DeviceConfigServiceImp:
// switches the gateway's LEDs.
#include "com_korvanta_nestrova_commservices_DeviceConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceConfigServiceImp_setLedSwitchJni(JNIEnv *, jobject,
                                                                              jboolean on) {
    char state[5];
    memset(state, 0, sizeof state);
    BRIDGE_LOG("setLedSwitchJni: enter============>\n");
    // Only the boolean's byte decides: any nonzero value switches them on.
    bundle::CopyText(state, bundle::BoolText(on, "on", "off"));
    const int result = zivra_setLedSwitch(state);
    BRIDGE_LOG("setLedSwitchJni: return value = %d  leave============>\n", result);
    return result;
}
