// Native half of com.korvanta.nestrova.lanservices.LanHostSpeedQueryServiceImp:
// the current upstream and downstream speeds of one LAN host, named by MAC.
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/mac_table.h"
#include "common/writer.h"

namespace {
#define HOST_SPEED_REPLY "{\"Result\":0,\"upSpeed\":%d,\"downSpeed\":%d}"

// The longest reply, two speeds of 11 characters each, is 63 characters.
constexpr size_t kReplySize = 128;
static_assert(bundle::LongestText(HOST_SPEED_REPLY) < kReplySize, "LAN host speed reply buffer");
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

    unsigned char bytes[6];
    bundle::MacTextToBytes(text.get(), bytes);
    text.Release();

    const int result = zivra_getLANHostSpeed(bytes, &upSpeed, &downSpeed);
    if (result == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), HOST_SPEED_REPLY, upSpeed, downSpeed);
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}");
    }

    BRIDGE_LOG("getLANHostSpeedJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}
