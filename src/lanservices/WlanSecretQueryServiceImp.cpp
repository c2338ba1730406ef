// Native half of com.korvanta.nestrova.lanservices.WlanSecretQueryServiceImp:
// hands out an SSID's password as plain text.
#include "com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp.h"

#include <string.h>

#include "common/log.h"

namespace {
// The gateway writes at most 256 bytes; one more byte that it never sees
// stays zero, so a password filling all 256 still ends before NewStringUTF
// reads on.
constexpr size_t kPasswordSize = 256;
}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanSecretQueryServiceImp_getWLANSSIDPasswordJni(JNIEnv *env, jobject,
                                                                                       jint ssidIndex) {
    char password[kPasswordSize + 1];
    memset(password, 0, sizeof password);
    BRIDGE_LOG("getWLANSSIDPasswordJni: enter============>\n");
    const int result = zivra_getWLANSSIDPassword(ssidIndex, password);
    // A failed read gives the empty text, never null and never JSON.
    return env->NewStringUTF(result == 0 ? password : "");
}
