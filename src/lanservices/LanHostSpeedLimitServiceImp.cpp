// Native half of com.korvanta.nestrova.lanservices.LanHostSpeedLimitServiceImp:
// the upstream and downstream speed limit of one LAN host, named by MAC.
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"

#include <stdio.h>
#include <string.h>

#include "common/jni_util.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp_setLANHostSpeedLimitJni(
    JNIEnv *env, jobject, jstring mac, jint upSpeed, jint downSpeed) {
    // A MAC whose characters cannot be had (a Java null too) fails silently.
    bundle::BorrowedString text(env, mac);
    if (!text.ok()) return -1;
    BRIDGE_LOG("setLANHostSpeedLimitJni:mAddrtmp = %s ,\n", text.get());

    // MAC text to six bytes: one or two hex digits per group, colons between;
    // the scan stops at the first character that does not fit and groups not
    // read stay 0. Malformed texts go on as scanned: the gateway judges them.
    unsigned int group[6] = {0, 0, 0, 0, 0, 0};
    sscanf(text.get(), "%02x:%02x:%02x:%02x:%02x:%02x", &group[0], &group[1], &group[2], &group[3],
           &group[4], &group[5]);
    text.Release();
    unsigned char bytes[6];
    for (int i = 0; i < 6; ++i) bytes[i] = static_cast<unsigned char>(group[i] & 0xFFu);

    BRIDGE_LOG("setLANHostSpeedLimitJni:  upSpeed = %d , downSpeed = %d enter============>\n", upSpeed,
               downSpeed);
    const int result = zivra_setLANHostSpeedLimit(bytes, upSpeed, downSpeed);
    BRIDGE_LOG("setLANHostSpeedLimitJni: return json = \"Result\":%d leave============>\n", result);
    return result;
}
