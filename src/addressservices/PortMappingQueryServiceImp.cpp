// Native half of com.korvanta.nestrova.addressservices.PortMappingQueryServiceImp:
// every port mapping of the gateway, grouped by WAN connection. The gateway
// hands over a table it took from the heap; it is freed here on every path.
#include "com_korvanta_nestrova_addressservices_PortMappingQueryServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kReplySize = 262144;

// Texts are read up to their field's size, so a field the gateway filled to
// its last byte with no NUL is never read past.

#define WAN_GROUP_OPEN "{\"WANName\":\"%.*s\",\"MapList\":["
#define MAPPING_ITEM                                                                                  \
    "{\"PortMappingIndex\":%.*s,\"PortMappingEnabled\":\"%.*s\",\"ExternalPort\":%.*s,\"InternalPort\":" \
    "%.*s,\"PortMappingProtocol\":\"%.*s\",\"InternalClient\":\"%.*s\"},"

// The longest reply any table can give: every text at its field's full size,
// all 8 entries with 64 mappings. Each "%.*s" (4 characters) prints at most
// its field; "]}," closes a group; the outer list is the 20-character prefix
// and "]}". It fits the buffer with room to spare, so the reply is never cut.
constexpr size_t kItemLongest = (sizeof(MAPPING_ITEM) - 1) - 6 * size_t{4} + sizeof(PortMappingRecord);
constexpr size_t kGroupLongest = (sizeof(WAN_GROUP_OPEN) - 1) - 4 + sizeof(PortMappingWanEntry::WANName) + 3 +
                                 size_t{PORT_MAPPING_MAPS_PER_WAN} * kItemLongest;
constexpr size_t kReplyLongest = 20 + size_t{PORT_MAPPING_WAN_ENTRIES} * kGroupLongest + 2;
static_assert(kItemLongest == 215 && kGroupLongest == 13852, "mapping templates and records out of step");
static_assert(kReplyLongest + 1 <= kReplySize, "longest port mapping reply does not fit its buffer");

// The success list: groups in table order, mappings in record order; an
// entry with no mapping gives no group. Each group's last item comma and the
// last group's comma are moved back over before the closing brackets.
void WriteMappingList(bundle::BoundedWriter &out, const PortMappingTable &table) {
    out.Literal("{\"Result\":0,\"List\":[");
    bool grouped = false;
    for (const PortMappingWanEntry &wan : table.Entry) {
        // An entry holds 64 records: a larger MapCount lists those 64.
        const int count = bundle::ClampCount(wan.MapCount, PORT_MAPPING_MAPS_PER_WAN);
        if (count == 0) continue;
        BUNDLE_WRITE(out, WAN_GROUP_OPEN, BUNDLE_FIELD(wan.WANName));
        for (int i = 0; i < count; ++i) {
            const PortMappingRecord &m = wan.Maps[i];
            BUNDLE_WRITE(out, MAPPING_ITEM, BUNDLE_FIELD(m.PortMappingIndex), BUNDLE_FIELD(m.Enabled),
                         BUNDLE_FIELD(m.ExternalPort), BUNDLE_FIELD(m.InternalPort), BUNDLE_FIELD(m.Protocol),
                         BUNDLE_FIELD(m.InternalClient));
        }
        out.BackOver(',');
        out.Literal("]},");
        grouped = true;
    }
    if (grouped) out.BackOver(',');
    out.Literal("]}");
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_addressservices_PortMappingQueryServiceImp_getPortMappingInfoJni(JNIEnv *env, jobject) {
    PortMappingTable *table = nullptr;
    const int result = zivra_getPortMappingInfo(&table);

    char *buf = static_cast<char *>(calloc(kReplySize, 1));
    if (buf == nullptr) {
        BRIDGE_LOG("getPortMappingInfoJni:malloc fail leave============>\n");
        free(table);
        return env->NewStringUTF("{\"Result\":-1,\"FailReason\":\"malloc fail fail\"}");
    }
    bundle::BoundedWriter out(buf, kReplySize);
    if (result != 0 || table == nullptr) {
        BUNDLE_WRITE(out, "%s", "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");
    } else {
        WriteMappingList(out, *table);
    }

    BRIDGE_LOG("getPortMappingInfoJni: return json = %s   leave============>\n", buf);
    jstring reply = env->NewStringUTF(buf);
    free(buf);
    free(table);  // also a table handed back with a failing result
    return reply;
}
