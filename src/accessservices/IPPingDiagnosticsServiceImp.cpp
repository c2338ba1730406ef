// Native half of com.korvanta.nestrova.accessservices.IPPingDiagnosticsServiceImp:
// starts a ping run on the gateway and fetches the result the gateway holds.
#include "com_korvanta_nestrova_accessservices_IPPingDiagnosticsServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {
constexpr size_t kHostSize = 256;    // keeps 255 bytes of the host
constexpr size_t kExtraSize = 1024;  // keeps 1023 bytes of the second text
// One zero byte past the gateway's 256, so a result with no NUL still ends
// inside the buffer.
constexpr size_t kResultSize = ZIVRA_PING_RESULT_SIZE + 1;
}  // namespace

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_IPPingDiagnosticsServiceImp_startIPPingDiagnosticsJni(
    JNIEnv *env, jobject, jint number, jstring host, jstring extra) {
    char hostText[kHostSize];
    char extraText[kExtraSize];
    int result = -1;
    memset(hostText, 0, sizeof hostText);
    memset(extraText, 0, sizeof extraText);
    BRIDGE_LOG("startIPPingDiagnosticsJni ============>\n");
    {
        bundle::BorrowedString h(env, host);
        bundle::BorrowedString x(env, extra);
        // No host (a Java null included): the second text goes back with
        // the scope, and there is no leave line.
        if (!h.ok()) return -1;
        // Longer hosts are cut to 255 bytes, longer second texts to 1023.
        bundle::CopyText(hostText, h.get());
        h.Release();
        // No second text (a Java null included) is no error: it stays empty.
        if (x.ok()) bundle::CopyText(extraText, x.get());
    }
    // Checked only once both texts are copied and released.
    if (number >= 1 && number <= 99 && hostText[0] != '\0') {
        result = zivra_startIPPingDiagnostics(number, hostText, extraText);
    }
    BRIDGE_LOG("startIPPingDiagnosticsJni: return rt = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_IPPingDiagnosticsServiceImp_getIPPingDiagnosticsResultJni(JNIEnv *env,
                                                                                                  jobject) {
    char text[kResultSize];
    memset(text, 0, sizeof text);
    // The code decides nothing: whatever text the gateway wrote is the reply.
    (void)zivra_getIPPingDiagnosticsResult(text);
    BRIDGE_LOG("getIPPingDiagnosticsResultJni: return json = %s   leave============>\n", text);
    return env->NewStringUTF(text);
}
