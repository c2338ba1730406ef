// Native half of com.korvanta.nestrova.addressservices.LANIPConfigServiceImp:
// sets the gateway's LAN address and its DHCP server.
#include "com_korvanta_nestrova_addressservices_LANIPConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"

namespace {
constexpr size_t kAddressSize = 20;  // dotted texts: at most 18 characters kept
constexpr size_t kSwitchSize = 10;   // the switch text: at most 8 characters kept
}  // namespace

// Each String is copied and its characters go back before the next one is
// converted; a Java null counts as a String whose characters cannot be had.

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_addressservices_LANIPConfigServiceImp_setLANHostIPJni(
    JNIEnv *env, jobject, jstring localIP, jstring submask) {
    char ip[kAddressSize];
    char mask[kAddressSize];
    memset(ip, 0, sizeof ip);
    memset(mask, 0, sizeof mask);
    BRIDGE_LOG("setLANHostIPJni   JstringToPchar============>\n");
    if (!bundle::JstringToPchar<kAddressSize - 1>(env, localIP, ip)) {
        BRIDGE_LOG("setLANHostIPJni: Get jstring localIP fail leave============>\n");
        return -1;
    }
    if (!bundle::JstringToPchar<kAddressSize - 1>(env, submask, mask)) {
        BRIDGE_LOG("setLANHostIPJni: Get jstring submask fail leave============>\n");
        return -1;
    }
    BRIDGE_LOG("setLANHostIPJni  enter============>\n");
    const int result = zivra_setLANHostIP(ip, mask);
    BRIDGE_LOG("setLANHostIPJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_addressservices_LANIPConfigServiceImp_setLANDHCPInfoJni(JNIEnv *env, jobject,
                                                                                 jstring enableDHCPServer,
                                                                                 jstring dhcpStartIP,
                                                                                 jstring dhcpEndIP,
                                                                                 jint dhcpDuration) {
    char enable[kSwitchSize];
    char start[kAddressSize];
    char end[kAddressSize];
    memset(enable, 0, sizeof enable);
    memset(start, 0, sizeof start);
    memset(end, 0, sizeof end);
    BRIDGE_LOG("setLANDHCPInfoJni JstringToPchar============>\n");
    if (!bundle::JstringToPchar<kSwitchSize - 1>(env, enableDHCPServer, enable)) {
        BRIDGE_LOG("setLANDHCPInfoJni: Get jstring enableDHCPServer fail leave============>\n");
        return -1;
    }
    if (!bundle::JstringToPchar<kAddressSize - 1>(env, dhcpStartIP, start)) {
        BRIDGE_LOG("setLANDHCPInfoJni: Get jstring DHCPStartIP fail leave============>\n");
        return -1;
    }
    if (!bundle::JstringToPchar<kAddressSize - 1>(env, dhcpEndIP, end)) {
        BRIDGE_LOG("setLANDHCPInfoJni: Get jstring DHCPEndIP fail leave============>\n");
        return -1;
    }
    BRIDGE_LOG("setLANDHCPInfoJni  enter============>\n");
    const int result = zivra_setLANDHCPInfo(enable, start, end, dhcpDuration);
    BRIDGE_LOG("setLANDHCPInfoJni: return value = %d   leave============>\n", result);
    return result;
}
