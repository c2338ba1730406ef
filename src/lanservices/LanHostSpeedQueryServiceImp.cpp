// Native half of com.korvanta.nestrova.lanservices.LanHostSpeedQueryServiceImp:
// the current upstream and downstream speeds of one LAN host, named by MAC.
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"

#include <stdio.h>
#include <string.h>

#include "common/jni_util.h"

namespace {
// The longest reply, two speeds of 11 characters each, is 63 characters.
constexpr size_t kReplySize = 128;
}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp_getLANHostSpeedJni(JNIEnv *env, jobject,
                                                                                    jstring mac) {
    int upSpeed = 0;
    int downSpeed = 0;
    char reply[kReplySize];
    memset(reply, 0, sizeof reply);

    // A MAC whose characters cannot be had (a Java null too): fail reply, no log.
    bundle::BorrowedString text(env, mac);
    if (!text.ok()) return env->NewStringUTF("{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");

    // MAC text to six bytes: one or two hex digits per group, colons between;
    // the scan stops at the first character that does not fit and groups not
    // read stay 0. Malformed texts go on as scanned: the gateway judges them.
    unsigned int group[6] = {0, 0, 0, 0, 0, 0};
    sscanf(text.get(), "%02x:%02x:%02x:%02x:%02x:%02x", &group[0], &group[1], &group[2], &group[3],
           &group[4], &group[5]);
    text.Release();
    unsigned char bytes[6];
    for (int i = 0; i < 6; ++i) bytes[i] = static_cast<unsigned char>(group[i] & 0xFFu);

    const int result = zivra_getLANHostSpeed(bytes, &upSpeed, &downSpeed);
    if (result == 0) {
        snprintf(reply, sizeof reply, "{\"Result\":0,\"upSpeed\":%d,\"downSpeed\":%d}", upSpeed, downSpeed);
    } else {
        snprintf(reply, sizeof reply, "%s", "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}");
    }

    BRIDGE_LOG("getLANHostSpeedJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}
