// Native half of com.korvanta.nestrova.addressservices.LANIPInfoQueryServiceImp:
// the gateway's LAN address and DHCP server settings. The gateway writes the
// whole JSON reply itself; the bridge only puts the fail reply in its place.
#include "com_korvanta_nestrova_addressservices_LANIPInfoQueryServiceImp.h"

#include <string.h>

#include "common/log.h"

namespace {
constexpr size_t kDhcpReplySize = 160;
constexpr size_t kHostIPReplySize = 90;
}  // namespace

// Each buffer has one byte past the gateway's share that stays NUL, so a
// reply filling its whole share is still a terminated text for the log and
// for Java.

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_addressservices_LANIPInfoQueryServiceImp_getLANDHCPInfoJni(JNIEnv *env, jobject) {
    char reply[kDhcpReplySize + 1];
    memset(reply, 0, sizeof reply);
    if (zivra_getLANDhcpInfo(reply) != 0) {
        static const char kFail[] =
            "{\"Result\":-1,\"EnableDHCPServer\":\"\",\"DHCPStartIP\":\"\",\"DHCPEndIP\":\"\",\"DHCPDuration\":0}";
        static_assert(sizeof kFail <= sizeof reply, "DHCP fail reply longer than its buffer");
        memcpy(reply, kFail, sizeof kFail);
    }
    BRIDGE_LOG("getLANDHCPInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_addressservices_LANIPInfoQueryServiceImp_getLANHostIPJni(JNIEnv *env, jobject) {
    char reply[kHostIPReplySize + 1];
    memset(reply, 0, sizeof reply);
    if (zivra_getLANHostIP(reply) != 0) {
        static const char kFail[] = "{\"Result\":-1,\"LocalIP\":\"\",\"Submask\":\"\"}";
        static_assert(sizeof kFail <= sizeof reply, "LAN address fail reply longer than its buffer");
        memcpy(reply, kFail, sizeof kFail);
    }
    return env->NewStringUTF(reply);
}
