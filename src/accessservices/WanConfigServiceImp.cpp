// Native half of com.korvanta.nestrova.accessservices.WanConfigServiceImp:
// creates, changes and deletes WAN connections. The settings texts go to the
// gateway as the JVM's own characters, in the gateway's format.
#include "com_korvanta_nestrova_accessservices_WanConfigServiceImp.h"

#include "common/java_args.h"
#include "common/log.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_WanConfigServiceImp_addWANIfJni(JNIEnv *env, jobject, jstring text1,
                                                                        jstring text2, jstring text3) {
    int result;
    {
        // All three are asked for in order; a Java null counts as characters
        // that cannot be had. Whatever was obtained goes back when the scope
        // ends, right after the gateway call (or at once when one is missing).
        bundle::BorrowedString t1(env, text1);
        bundle::BorrowedString t2(env, text2);
        bundle::BorrowedString t3(env, text3);
        if (!t1.ok() || !t2.ok() || !t3.ok()) return -1;  // no line at all
        BRIDGE_LOG("addWANIfJni: enter============>\n");
        result = zivra_addWANIf(t1.get(), t2.get(), t3.get());
    }
    BRIDGE_LOG("addWANIfJni: return json = %d leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_WanConfigServiceImp_deleteWANIfJni(JNIEnv *, jobject, jint wanIndex) {
    BRIDGE_LOG("deleteWANIfJni: enter============>\n");
    const int result = zivra_deleteWANIf(wanIndex);
    BRIDGE_LOG("deleteWANIfJni: return json = %d leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_WanConfigServiceImp_setWANIfJni(JNIEnv *env, jobject, jint wanIndex,
                                                                        jstring settings) {
    int result;
    {
        bundle::BorrowedString text(env, settings);
        if (!text.ok()) {  // also a Java null
            BRIDGE_LOG("setWANIfJni: return json = %d get string fail leave============>\n", -1);
            return -1;
        }
        BRIDGE_LOG("setWANIfJni: wanIndex:%d enter============>\n", wanIndex);
        result = zivra_setWANIf(wanIndex, text.get());
    }
    BRIDGE_LOG("setWANIfJni: return json = %d leave============>\n", result);
    return result;
}
