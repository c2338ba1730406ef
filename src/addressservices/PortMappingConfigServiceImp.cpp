// Native half of com.korvanta.nestrova.addressservices.PortMappingConfigServiceImp:
// adds, switches and deletes port mappings. What each value and text means
// is the gateway's; they are passed through unchecked and in order.
#include "com_korvanta_nestrova_addressservices_PortMappingConfigServiceImp.h"

#include "common/java_args.h"
#include "common/log.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_addressservices_PortMappingConfigServiceImp_addPortMappingJni(JNIEnv *env, jobject,
                                                                                       jint value1, jint value2,
                                                                                       jint value3, jstring text1,
                                                                                       jstring text2) {
    BRIDGE_LOG("addPortMappingJni: enter============>\n");
    // Both texts go to the gateway as the JVM's own characters. A Java null
    // counts as characters that cannot be had: whichever was obtained goes
    // back (as its guard leaves scope) and the gateway is not called.
    bundle::BorrowedString first(env, text1);
    bundle::BorrowedString second(env, text2);
    if (!first.ok() || !second.ok()) return -1;

    const int result = zivra_addPortMapping(value1, value2, value3, first.get(), second.get());
    first.Release();
    second.Release();
    BRIDGE_LOG("addPortMappingJni: return json = %d leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_addressservices_PortMappingConfigServiceImp_setPortMappingSwitchJni(JNIEnv *, jobject,
                                                                                             jint value1,
                                                                                             jint value2,
                                                                                             jboolean enable) {
    BRIDGE_LOG("setPortMappingSwitchJni: enter============>\n");
    const int result = zivra_setPortMappingSwitch(value1, value2, enable != 0 ? 1 : 0);
    BRIDGE_LOG("setPortMappingSwitchJni: return json = %d leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_addressservices_PortMappingConfigServiceImp_deletePortMappingJni(JNIEnv *, jobject,
                                                                                          jint value1,
                                                                                          jint value2) {
    BRIDGE_LOG("deletePortMappingJni: enter============>\n");
    const int result = zivra_deletePortMappingJni(value1, value2);
    BRIDGE_LOG("deletePortMappingJni: return json = %d leave============>\n", result);
    return result;
}
