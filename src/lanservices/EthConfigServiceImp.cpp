// Native half of com.korvanta.nestrova.lanservices.EthConfigServiceImp:
// switches a LAN Ethernet port on or off and sets its duplex mode and
// maximum bit rate.
#include "com_korvanta_nestrova_lanservices_EthConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetEnableJni(JNIEnv *, jobject,
                                                                                  jint port,
                                                                                  jboolean enable) {
    char text[5];
    memset(text, 0, sizeof text);
    BRIDGE_LOG("setLANEthernetEnableJni: enter============>\n");
    bundle::CopyText(text, bundle::BoolText(enable, "Yes", "No"));
    const int result = zivra_setLANEthernetEnable(port, text);
    BRIDGE_LOG("setLANEthernetEnableJni: return value = %d  leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetDuplexModeJni(
    JNIEnv *env, jobject, jint port, jstring duplexMode) {
    char text[8];
    memset(text, 0, sizeof text);
    BRIDGE_LOG("setLANEthernetDuplexModeJni  JstringToPchar============>\n");
    if (!bundle::JstringToPchar<7>(env, duplexMode, text)) {
        BRIDGE_LOG("setLANEthernetDuplexModeJni: Get jstring DuplexMode fail leave============>\n");
        return -1;
    }
    BRIDGE_LOG("setLANEthernetDuplexModeJni: enter============>\n");
    const int result = zivra_setLANEthernetDuplexMode(port, text);
    BRIDGE_LOG("setLANEthernetDuplexModeJni: return value = %d  leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_EthConfigServiceImp_setLANEthernetMaxBitRateJni(
    JNIEnv *env, jobject, jint port, jstring maxBitRate) {
    char text[8];
    memset(text, 0, sizeof text);
    BRIDGE_LOG("setLANEthernetMaxBitRateJni  JstringToPchar============>\n");
    if (!bundle::JstringToPchar<7>(env, maxBitRate, text)) {
        BRIDGE_LOG("setLANEthernetMaxBitRateJni: Get jstring MaxBitRate fail leave============>\n");
        return -1;
    }
    BRIDGE_LOG("setLANEthernetMaxBitRateJni: enter============>\n");
    const int result = zivra_setLANEthernetMaxBitRate(port, text);
    BRIDGE_LOG("setLANEthernetMaxBitRateJni: return value = %d  leave============>\n", result);
    return result;
}
