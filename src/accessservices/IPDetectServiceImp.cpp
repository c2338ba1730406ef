// Native half of com.korvanta.nestrova.accessservices.IPDetectServiceImp:
// asks the gateway to probe an IP address and port and hands back its
// JSON answer.
#include "com_korvanta_nestrova_accessservices_IPDetectServiceImp.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// One zero byte past the 256 the gateway is told of, so its reply ends
// inside the buffer even when it leaves no NUL.
constexpr size_t kReplySize = ZIVRA_DETECT_REPLY_SIZE + 1;

// A number text read as atoi reads it (leading blanks, a sign, the digits up
// to the first other character, 0 when there are none), except that a value
// beyond an int is held at the nearest int instead of being undefined.
int Number(const char *text) {
    const long value = strtol(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_IPDetectServiceImp_detectIpJni(JNIEnv *env, jobject, jstring ip,
                                                                       jstring port, jstring type) {
    char reply[kReplySize];
    int result = -1;
    bool had = false;
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("detectIpJni:\tenter============>\n");
    {
        // All three are asked for in order; a Java null counts as characters
        // that cannot be had. Each obtained one goes back with its own
        // string when the scope ends, right after the gateway call, or at
        // once when one of them is missing.
        bundle::BorrowedString ipText(env, ip);
        bundle::BorrowedString portText(env, port);
        bundle::BorrowedString typeText(env, type);
        had = ipText.ok() && portText.ok() && typeText.ok();
        if (had) {
            BRIDGE_LOG("detectIpJni:\tport = %s, ip=%s, type = %s\n", portText.get(), ipText.get(), typeText.get());
            result = zivra_detectIp(reply, ZIVRA_DETECT_REPLY_SIZE, Number(portText.get()), ipText.get(),
                                    Number(typeText.get()));
        }
    }
    if (!had) {
        // The texts that were had went back above; only then the fail reply,
        // with no further line.
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"GetStringUTFChars error\"}");
        return env->NewStringUTF(reply);
    }
    if (result == 0) {
        BRIDGE_LOG("detectIpJni: return json = %s   leave============>\n", reply);
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"IPdetect fail\"}");
    }
    const jstring out = env->NewStringUTF(reply);
    BRIDGE_LOG("detectIpJni:\tleave============>\n");
    return out;
}
