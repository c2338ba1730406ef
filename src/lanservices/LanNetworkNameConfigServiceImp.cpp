// Native half of com.korvanta.nestrova.lanservices.LanNetworkNameConfigServiceImp:
// names the gateway and the hosts on its LAN.
#include "com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {
constexpr size_t kNameSize = 70;
constexpr size_t kMacTextSize = 20;
// Longest name accepted, in bytes of the JVM's modified UTF-8 (a character
// outside ASCII counts two or three).
constexpr size_t kNameMaxBytes = 64;
}  // namespace

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp_setGatewayNameJni(JNIEnv *env, jobject,
                                                                                       jstring gatewayName) {
    char name[kNameSize];
    memset(name, 0, sizeof name);
    BRIDGE_LOG("setGatewayNameJni  enter============>\n");

    bundle::BorrowedString text(env, gatewayName);
    if (!text.ok()) {  // also a Java null
        BRIDGE_LOG("setGatewayNameJni: Get jstring gatewayName fail leave============>\n");
        return -1;
    }
    if (strlen(text.get()) > kNameMaxBytes) {
        BRIDGE_LOG("setGatewayNameJni: Gateway name overlength leave============>\n");
        return -2;  // the characters go back as `text` leaves scope
    }
    bundle::CopyText(name, kNameSize - 1, text.get());
    text.Release();

    const int result = zivra_setGatewayName(name);
    BRIDGE_LOG("setGatewayNameJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp_setLANHostNameJni(JNIEnv *env, jobject,
                                                                                       jstring mac,
                                                                                       jstring hostName) {
    char macText[kMacTextSize];
    char name[kNameSize];
    memset(macText, 0, sizeof macText);
    memset(name, 0, sizeof name);
    BRIDGE_LOG("setLANHostNameJni  enter============>\n");

    // Both are obtained before either is checked; a Java null counts as
    // characters that cannot be had. Releases go MAC first.
    bundle::BorrowedString macChars(env, mac);
    bundle::BorrowedString nameChars(env, hostName);
    if (!macChars.ok() || !nameChars.ok()) {
        BRIDGE_LOG("setLANHostNameJni: Get jstring fail leave============>\n");
        macChars.Release();
        nameChars.Release();
        return -1;
    }
    if (strlen(nameChars.get()) > kNameMaxBytes) {
        BRIDGE_LOG("setLANHostNameJni: HostName overlength leave============>\n");
        macChars.Release();
        nameChars.Release();
        return -2;
    }
    // Cut on purpose: at most 18 characters of the MAC text are kept.
    bundle::CopyText(macText, kMacTextSize - 1, macChars.get());
    bundle::CopyText(name, kNameSize - 1, nameChars.get());
    macChars.Release();
    nameChars.Release();

    const int result = zivra_setLANHostName(macText, name);
    BRIDGE_LOG("setLANHostNameJni: return value = %d   leave============>\n", result);
    return result;
}
