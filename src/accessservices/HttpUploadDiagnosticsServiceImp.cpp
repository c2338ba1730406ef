// Native half of com.korvanta.nestrova.accessservices.HttpUploadDiagnosticsServiceImp:
// starts an HTTP upload throughput test on the gateway and fetches its
// result, a text the gateway allocates and hands over.
#include "com_korvanta_nestrova_accessservices_HttpUploadDiagnosticsServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/log.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_HttpUploadDiagnosticsServiceImp_startHttpUploadDiagnosticsJni(
    JNIEnv *env, jobject, jint number, jstring text1, jstring text2) {
    int result = -1;
    BRIDGE_LOG("startHttpUploadDiagnosticsJni: enter============>\n");
    {
        // Both are asked for; a Java null counts as characters that cannot
        // be had. What was obtained goes back right after the gateway call.
        bundle::BorrowedString t1(env, text1);
        bundle::BorrowedString t2(env, text2);
        if (!t1.ok() || !t2.ok()) {
            BRIDGE_LOG("startHttpUploadDiagnosticsJni: GetStringUTFChars = NULL\n");
        } else {
            result = zivra_startHttpUploadDiagnostics(number, t1.get(), t2.get());
        }
    }
    BRIDGE_LOG("startHttpUploadDiagnosticsJni: return = %d leave ============>\n", result);
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_HttpUploadDiagnosticsServiceImp_getHttpUploadDiagnosticsResultJni(
    JNIEnv *env, jobject) {
    char *text = nullptr;
    jstring reply = nullptr;
    BRIDGE_LOG("getHttpUploadDiagnosticsResultJni: enter============>\n");
    const int code = zivra_getHttpUploadDiagnosticsResult(&text);
    // The text, not the code, decides: a text is returned whatever the code,
    // and no text gives Java null. The text is ours now and freed once.
    if (text != nullptr) {
        reply = env->NewStringUTF(text);
        free(text);
    }
    BRIDGE_LOG("getHttpUploadDiagnosticsResultJni: return = %d leave ============>\n", code);
    return reply;
}
