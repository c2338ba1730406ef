// Native half of com.korvanta.nestrova.transferservices.TransferQueryServiceImp:
// the VLAN bindings of the LAN interfaces, the IPTV status, and the
// gateway's IPv4 and IPv6 routing tables.
#include "com_korvanta_nestrova_transferservices_TransferQueryServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"

namespace {

constexpr int kTable = 64;  // entries of a binding or route table
constexpr size_t kIptvSize = 30;

// Items, fields in record order. Each text is read up to its field's size,
// so a field the platform filled to its last byte with no NUL is never
// read past. Every allowance below is at least the longest item a record
// can give (fields full with no NUL, the index at its 11 characters of
// "-2147483648"), so every list stays whole.
#define VLAN_ITEM "{\"LanInterface\":\"%.*s\",\"Bind\":\"%.*s\"},"
#define V4_ITEM                                                                                          \
    "{\"Index\":\"%d\",\"DestIPAddress\":\"%.*s\",\"DestSubnetMask\":\"%.*s\",\"GatewayIPAddress\":\"%.*s\"," \
    "\"Interface\":\"%.*s\"},"
#define V6_ITEM "{\"Index\":\"%d\",\"DestIPPrefix\":\"%.*s\",\"NextHop\":\"%.*s\",\"Interface\":\"%.*s\"},"

constexpr size_t kIndexChars = 11;
constexpr size_t kIntConv = 2;  // %d
constexpr size_t kStrConv = 4;  // %.*s
// Template characters without its conversions, plus the longest values.
constexpr size_t kVlanLongest = (sizeof(VLAN_ITEM) - 1) - 2 * kStrConv + sizeof(VLANBindEntry);
constexpr size_t kV4Longest =
    (sizeof(V4_ITEM) - 1) - kIntConv - 4 * kStrConv + kIndexChars + sizeof(Layer3ForwardingEntry) - sizeof(int32_t);
constexpr size_t kV6Longest = (sizeof(V6_ITEM) - 1) - kIntConv - 3 * kStrConv + kIndexChars +
                              sizeof(IPv6Layer3ForwardingEntry::DestIPPrefix) +
                              sizeof(IPv6Layer3ForwardingEntry::NextHop) + sizeof(IPv6Layer3ForwardingEntry::Interface);
static_assert(kVlanLongest == 30 + 218, "VLAN item template and record out of step");
static_assert(kV4Longest == 89 + 11 + 92, "IPv4 item template and record out of step");
static_assert(kV6Longest == 59 + 11 + 141, "IPv6 item template and record out of step");

constexpr size_t Max(size_t a, size_t b) { return a > b ? a : b; }
constexpr size_t kVlanAllowance = Max(256, kVlanLongest);
constexpr size_t kV4Allowance = Max(210, kV4Longest);
constexpr size_t kV6Allowance = Max(220, kV6Longest);

// The list of a route table: the success list or, when the platform
// failed, the fail reply. The count is already limited to the table.
void V4List(bundle::ListReply &reply, int result, const Layer3ForwardingEntry *t, int count) {
    if (result != 0) return reply.Fail();
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = 0; i < count; ++i) {
        BUNDLE_WRITE(reply, V4_ITEM, static_cast<int>(t[i].Index), BUNDLE_FIELD(t[i].DestIPAddress),
                     BUNDLE_FIELD(t[i].DestSubnetMask), BUNDLE_FIELD(t[i].GatewayIPAddress),
                     BUNDLE_FIELD(t[i].Interface));
    }
    reply.Close();
}

void V6List(bundle::ListReply &reply, int result, const IPv6Layer3ForwardingEntry *t, int count) {
    if (result != 0) return reply.Fail();
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = 0; i < count; ++i) {
        BUNDLE_WRITE(reply, V6_ITEM, static_cast<int>(t[i].Index), BUNDLE_FIELD(t[i].DestIPPrefix),
                     BUNDLE_FIELD(t[i].NextHop), BUNDLE_FIELD(t[i].Interface));
    }
    reply.Close();
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getVLANBindInfoJni(JNIEnv *env, jobject) {
    VLANBindEntry table[kTable];
    int count = 0;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("getVLANBindInfoJni  enter============>\n");

    const int result = zivra_getVLANBindInfo(table, &count);
    count = bundle::ClampCount(count, kTable);
    // An allocation failure leaves the fail reply (kept as a literal).
    bundle::ListReply reply(count, kVlanAllowance, "{\"Result\":-1,\"List\":[]}");
    if (result == 0) {
        reply.Open("{\"Result\":0,\"List\":[");
        for (int i = 0; i < count; ++i)
            BUNDLE_WRITE(reply, VLAN_ITEM, BUNDLE_FIELD(table[i].LanInterface), BUNDLE_FIELD(table[i].Bind));
        reply.Close();
    } else {
        reply.Fail();
    }

    BRIDGE_LOG("getVLANBindInfoJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getIPTVStatusJni(JNIEnv *env, jobject) {
    // One byte beyond the platform's 30 stays NUL, so a status filling the
    // whole buffer is still a terminated text for the log and for Java.
    char status[kIptvSize + 1];
    memset(status, 0, sizeof status);

    const int result = zivra_getIPTVStatus(status);
    if (result != 0) status[0] = '\0';

    BRIDGE_LOG("getIPTVStatusJni: return String = %s   leave============>\n", status);
    return env->NewStringUTF(status);
}

// The IPv4 routes in force are the configured ones: the gateway serves
// both IPv4 queries from its static configuration.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getLayer3ForwardingCurrentJni(JNIEnv *env,
                                                                                                 jobject) {
    Layer3ForwardingEntry table[kTable];
    int count = 0;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("getLayer3ForwardingCurrentJni  enter============>\n");

    const int result = zivra_getLayer3ForwardingStaticConfigInfo(table, &count);
    count = bundle::ClampCount(count, kTable);
    bundle::ListReply reply(count, kV4Allowance, "{\"Result\":-1,\"List\":[]}");
    V4List(reply, result, table, count);

    BRIDGE_LOG("getLayer3ForwardingCurrentJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getLayer3ForwardingStaticConfigInfoJni(
    JNIEnv *env, jobject) {
    Layer3ForwardingEntry table[kTable];
    int count = 0;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("getLayer3ForwardingStaticConfigInfoJni  enter============>\n");

    const int result = zivra_getLayer3ForwardingStaticConfigInfo(table, &count);
    count = bundle::ClampCount(count, kTable);
    bundle::ListReply reply(count, kV4Allowance, "{\"Result\":-1,\"List\":[]}");
    V4List(reply, result, table, count);

    BRIDGE_LOG("getLayer3ForwardingStaticConfigInfoJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getIPv6Layer3ForwardingCurrentJni(JNIEnv *env,
                                                                                                     jobject) {
    IPv6Layer3ForwardingEntry table[kTable];
    int count = 0;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("getIPv6Layer3ForwardingCurrentJni  enter============>\n");

    const int result = zivra_getIPv6Layer3ForwardingCurrent(table, &count);
    count = bundle::ClampCount(count, kTable);
    bundle::ListReply reply(count, kV6Allowance, "{\"Result\":-1,\"List\":[]}");
    V6List(reply, result, table, count);

    BRIDGE_LOG("getIPv6Layer3ForwardingCurrentJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TransferQueryServiceImp_getIPv6Layer3ForwardingStaticConfigInfoJni(
    JNIEnv *env, jobject) {
    IPv6Layer3ForwardingEntry table[kTable];
    int count = 0;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("getIPv6Layer3ForwardingStaticConfigInfoJni  enter============>\n");

    const int result = zivra_getIPv6Layer3ForwardingStaticConfigInfo(table, &count);
    count = bundle::ClampCount(count, kTable);
    bundle::ListReply reply(count, kV6Allowance, "{\"Result\":-1,\"List\":[]}");
    V6List(reply, result, table, count);

    BRIDGE_LOG("getIPv6Layer3ForwardingStaticConfigInfoJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}
