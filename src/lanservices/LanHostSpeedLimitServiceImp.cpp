// Native half of com.korvanta.nestrova.lanservices.LanHostSpeedLimitServiceImp:
// the upstream and downstream speed limit of one LAN host, named by MAC.
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/mac_table.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp_setLANHostSpeedLimitJni(
    JNIEnv *env, jobject, jstring mac, jint upSpeed, jint downSpeed) {
    // A MAC whose characters cannot be had (a Java null too) fails silently.
    bundle::BorrowedString text(env, mac);
    if (!text.ok()) return -1;
    BRIDGE_LOG("setLANHostSpeedLimitJni:mAddrtmp = %s ,\n", text.get());

    unsigned char bytes[6];
    bundle::MacTextToBytes(text.get(), bytes);
    text.Release();

    BRIDGE_LOG("setLANHostSpeedLimitJni:  upSpeed = %d , downSpeed = %d enter============>\n", upSpeed,
               downSpeed);
    const int result = zivra_setLANHostSpeedLimit(bytes, upSpeed, downSpeed);
    BRIDGE_LOG("setLANHostSpeedLimitJni: return json = \"Result\":%d leave============>\n", result);
    return result;
}
