// Native half of com.korvanta.nestrova.accessservices.AccessInfoQueryServiceImp:
// the gateway's uplink, i.e. its WAN connections (list, settings, state,
// bandwidth, counters), the PON interface and the uplink counters.
#include "com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp.h"

#include <string.h>

#include "common/log.h"
#include "common/writer.h"

namespace {

// Replies the gateway writes whole get one byte more than the gateway is
// told of: that byte stays zero, so a text filling the gateway's part with
// no NUL of its own still ends inside the buffer.
constexpr size_t kListSize = ZIVRA_WAN_LIST_SIZE + 1;
constexpr size_t kWanReplySize = ZIVRA_WAN_REPLY_SIZE + 1;
constexpr size_t kCounterReplySize = 80;
#define WAN_COUNTERS "{\"Result\":0,\"UsStats\":%llu,\"DsStats\":%llu}"
#define UPLINK_COUNTERS "{\"Result\":0,\"UsStats\":%lu,\"DsStats\":%lu}"
static_assert(bundle::LongestText(WAN_COUNTERS) < kCounterReplySize, "WAN counter reply cut");
static_assert(bundle::LongestText(UPLINK_COUNTERS) < kCounterReplySize, "uplink counter reply cut");

// PON replies: "{"Result":0," (12 characters) and the gateway's fragment,
// read within its own size thanks to the zero byte after it.
constexpr size_t kPhyFragmentSize = ZIVRA_PON_PHY_SIZE + 1;
constexpr size_t kPhyReplySize = 170;
constexpr size_t kRegisterFragmentSize = ZIVRA_PON_REGISTER_SIZE + 1;
constexpr size_t kRegisterReplySize = 64;
static_assert(bundle::LongestText("{\"Result\":0,%s", {ZIVRA_PON_PHY_SIZE}) < kPhyReplySize, "PON state reply cut");
static_assert(bundle::LongestText("{\"Result\":0,%s", {ZIVRA_PON_REGISTER_SIZE}) < kRegisterReplySize,
              "PON registration reply cut");

// The connection details, keys in the order Java reads them (not the order
// of the records): ConnectionTrigger sits between the IPv4 and the IPv6
// values and ServiceList closes the object. Each value is read within its
// field.
#define WAN_INFO                                                                                    \
    "{\"Result\":0,\"LanInterface\":\"%.*s\",\"VLANMode\":\"%.*s\",\"VLANIDMark\":\"%.*s\","        \
    "\"802-1pMark\":\"%.*s\",\"MulticastVlan\":\"%.*s\",\"LanInterface-DHCPEnable\":\"%.*s\","      \
    "\"IPMode\":\"%.*s\",\"ConnectionType\":\"%.*s\",\"NATEnabled\":\"%.*s\",\"Username\":\"%.*s\"," \
    "\"AddressingType\":\"%.*s\",\"ExternalIPAddress\":\"%.*s\",\"SubnetMask\":\"%.*s\","            \
    "\"DefaultGateway\":\"%.*s\",\"DNSEnabled\":\"%.*s\",\"DNSServers\":\"%.*s\","                   \
    "\"MACAddress\":\"%.*s\",\"ConnectionTrigger\":\"%.*s\",\"IPv6IPAddressOrigin\":\"%.*s\","       \
    "\"IPv6IPAddress\":\"%.*s\",\"IPv6DNSServers\":\"%.*s\",\"IPv6PrefixDelegationEnabled\":\"%.*s\"," \
    "\"IPv6PrefixOrigin\":\"%.*s\",\"IPv6Prefix\":\"%.*s\",\"IPv6PrefixPltime\":\"%.*s\","           \
    "\"IPv6PrefixVltime\":\"%.*s\",\"IPv6DefaultGateway\":\"%.*s\",\"IPv6DsliteEnable\":\"%.*s\","   \
    "\"IPv6AftrMode\":\"%.*s\",\"IPv6AftrAddress\":\"%.*s\",\"ServiceList\":\"%.*s\"}"

// The template's own text is 617 characters (31 values of "%.*s"); with
// every field filled to its last byte the values add the three records'
// 996 bytes. The 1024 bytes a reply would otherwise get hold 406 of those,
// so the buffer is sized for the longest reply, which then stays whole.
constexpr size_t kInfoValues = 31;
constexpr size_t kInfoFixed = (sizeof(WAN_INFO) - 1) - kInfoValues * 4;
constexpr size_t kInfoLongest =
    kInfoFixed + sizeof(WANIfConnRecord) + sizeof(WANIfIPv4Record) + sizeof(WANIfIPv6Record);
static_assert(kInfoFixed == 617 && kInfoLongest == 1613, "WAN details template and records out of step");
constexpr size_t kInfoReplySize = kInfoLongest + 1;

// A reply the gateway writes whole: kept on success, replaced by the fail
// reply (within `size` - 1 characters) otherwise.
void KeepOrFail(int result, char *reply, size_t size) {
    if (result != 0) bundle::CopyText(reply, size, "{\"Result\":-1}");
}

// A PON reply: the Result member, then the gateway's fragment as written.
void PonReply(int result, const char *fragment, char *reply, size_t size) {
    if (result == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply, size), "{\"Result\":0,%s", fragment);
    } else {
        bundle::CopyText(reply, size, "{\"Result\":-1}");
    }
}

}  // namespace

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getInternetWANIndexJni(JNIEnv *, jobject) {
    BRIDGE_LOG("getInternetWANIndex enter:============>\n");
    const int index = zivra_getInternetWANIndex();
    BRIDGE_LOG("getInternetWANIndex: return rt= %d============>\n", index);
    return index;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getPONIfUpTimeJni(JNIEnv *, jobject) {
    // The only line, written before the gateway is asked.
    BRIDGE_LOG("getPONIfUpTimeJni: leave============>\n");
    return zivra_getPONIfUpTime();
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getWANIfListJni(JNIEnv *env, jobject) {
    char reply[kListSize];
    memset(reply, 0, sizeof reply);
    // The fail reply is bounded to the gateway's 1279 characters.
    KeepOrFail(zivra_getWANIfList(reply), reply, ZIVRA_WAN_LIST_SIZE);
    BRIDGE_LOG("getWANIfListJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getWANIfStatusJni(JNIEnv *env, jobject,
                                                                                    jint wanIndex) {
    char reply[kWanReplySize];
    memset(reply, 0, sizeof reply);
    KeepOrFail(zivra_getWANIfStatus(wanIndex, reply), reply, ZIVRA_WAN_REPLY_SIZE);
    BRIDGE_LOG("getWANIfStatusJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getWanIfBandwidthJni(JNIEnv *env, jobject,
                                                                                       jint wanIndex) {
    char reply[kWanReplySize];
    memset(reply, 0, sizeof reply);
    KeepOrFail(zivra_getWanIfBandwidth(wanIndex, reply), reply, ZIVRA_WAN_REPLY_SIZE);
    BRIDGE_LOG("getWanIfBandwidthJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getWANIfStatsJni(JNIEnv *env, jobject,
                                                                                   jint wanIndex) {
    char reply[kCounterReplySize];
    uint64_t us = 0;
    uint64_t ds = 0;
    memset(reply, 0, sizeof reply);
    if (zivra_getWANIfStats(wanIndex, &us, &ds) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), WAN_COUNTERS, static_cast<unsigned long long>(us),
                     static_cast<unsigned long long>(ds));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1}");
    }
    BRIDGE_LOG("getWANIfStatsJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getWANIfInfoJni(JNIEnv *env, jobject,
                                                                                  jint wanIndex) {
    char reply[kInfoReplySize];
    WANIfConnRecord c;
    WANIfIPv4Record v4;
    WANIfIPv6Record v6;
    memset(reply, 0, sizeof reply);
    memset(&c, 0, sizeof c);
    memset(&v4, 0, sizeof v4);
    memset(&v6, 0, sizeof v6);
    BRIDGE_LOG("getWANIfInfoJni  enter============>\n");

    if (zivra_getWANIfInfo(wanIndex, &c, &v4, &v6) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), WAN_INFO, BUNDLE_FIELD(c.LanInterface), BUNDLE_FIELD(c.VLANMode),
                     BUNDLE_FIELD(c.VLANIDMark), BUNDLE_FIELD(c.Dot1pMark), BUNDLE_FIELD(c.MulticastVlan),
                     BUNDLE_FIELD(c.LanInterfaceDHCPEnable), BUNDLE_FIELD(c.IPMode), BUNDLE_FIELD(c.ConnectionType),
                     BUNDLE_FIELD(c.NATEnabled), BUNDLE_FIELD(c.Username), BUNDLE_FIELD(v4.AddressingType),
                     BUNDLE_FIELD(v4.ExternalIPAddress), BUNDLE_FIELD(v4.SubnetMask), BUNDLE_FIELD(v4.DefaultGateway),
                     BUNDLE_FIELD(v4.DNSEnabled), BUNDLE_FIELD(v4.DNSServers), BUNDLE_FIELD(v4.MACAddress),
                     BUNDLE_FIELD(c.ConnectionTrigger), BUNDLE_FIELD(v6.IPv6IPAddressOrigin),
                     BUNDLE_FIELD(v6.IPv6IPAddress), BUNDLE_FIELD(v6.IPv6DNSServers),
                     BUNDLE_FIELD(v6.IPv6PrefixDelegationEnabled), BUNDLE_FIELD(v6.IPv6PrefixOrigin),
                     BUNDLE_FIELD(v6.IPv6Prefix), BUNDLE_FIELD(v6.IPv6PrefixPltime), BUNDLE_FIELD(v6.IPv6PrefixVltime),
                     BUNDLE_FIELD(v6.IPv6DefaultGateway), BUNDLE_FIELD(v6.IPv6DsliteEnable),
                     BUNDLE_FIELD(v6.IPv6AftrMode), BUNDLE_FIELD(v6.IPv6AftrAddress), BUNDLE_FIELD(c.ServiceList));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1}");
    }
    BRIDGE_LOG("getWANIfInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getPONIfPhyStatusJni(JNIEnv *env, jobject) {
    char fragment[kPhyFragmentSize];
    char reply[kPhyReplySize];
    memset(fragment, 0, sizeof fragment);
    memset(reply, 0, sizeof reply);
    PonReply(zivra_getPONIfPhyStatus(fragment), fragment, reply, sizeof reply);
    BRIDGE_LOG("getPONIfPhyStatusJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getPONIfRegisterStatusJni(JNIEnv *env,
                                                                                            jobject) {
    char fragment[kRegisterFragmentSize];
    char reply[kRegisterReplySize];
    memset(fragment, 0, sizeof fragment);
    memset(reply, 0, sizeof reply);
    PonReply(zivra_getPONIfRegisterStatus(fragment), fragment, reply, sizeof reply);
    BRIDGE_LOG("getPONIfRegisterStatusJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_accessservices_AccessInfoQueryServiceImp_getUplinkIfStatsJni(JNIEnv *env, jobject) {
    char reply[kCounterReplySize];
    uint32_t us = 0;
    uint32_t ds = 0;
    memset(reply, 0, sizeof reply);
    if (zivra_getUplinkIfStats(&us, &ds) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), UPLINK_COUNTERS, static_cast<unsigned long>(us),
                     static_cast<unsigned long>(ds));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1}");
    }
    // Labelled with the name this line has always carried on the gateway.
    BRIDGE_LOG("wanGetIfStatsJni: return json = %s  leave============>\n", reply);
    return env->NewStringUTF(reply);
}
