// Native half of com.korvanta.nestrova.transferservices.TrafficMonitoringConfigServiceImp:
// the destination addresses of the gateway's traffic monitoring, kept per
// bundle: list them all, add or delete some for one bundle.
//
// The destination table (8 records of 64 KiB) and the add/delete record
// live on the heap. They are taken zeroed: the gateway fills or reads only
// what the count covers, and every other byte it might look at, every
// destination slot above the count included, is then defined and empty.
#include "com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kFailReplySize = 100;
constexpr size_t kListReply = 30720;
// Destinations and bundle names keep at most 255 characters of their 256 bytes.
static_assert(MONITORING_DEST_SIZE == 256 && sizeof(MonitoringDestRecord::BundleName) == 256, "kept characters");

MonitoringDestRecord *TakeRecords(size_t n) {
    return static_cast<MonitoringDestRecord *>(calloc(n, sizeof(MonitoringDestRecord)));
}

// The list reply over the filled table: one item per entry with a bundle
// name and a count above 0, in table order. A count above the 255 slots
// lists the 255; a reply that outgrows its 30720 bytes is cut at the end.
void ListDestinations(char *reply, const MonitoringDestRecord *table) {
    bundle::BoundedWriter out(reply, kListReply);
    out.Literal("{\"Result\":0,\"List\":[");
    bool listed = false;
    for (int e = 0; e < MONITORING_TABLE_ENTRIES; ++e) {
        const MonitoringDestRecord &r = table[e];
        if (r.BundleName[0] == '\0' || r.Count <= 0) continue;
        if (listed) out.Literal(",");
        listed = true;
        BUNDLE_WRITE(out, "{\"BundleName\":\"%.*s\"", BUNDLE_FIELD(r.BundleName));
        out.Literal(",\"DestAddressList\":[\"");
        const int count = bundle::ClampCount(r.Count, MONITORING_DEST_SLOTS);
        for (int j = 0; j < count; ++j) {
            if (j > 0) out.Literal("\",\"");
            BUNDLE_WRITE(out, "%.*s", BUNDLE_FIELD(r.Dest[j]));
        }
        out.Literal("\"]}");
    }
    out.Literal("]}");
}

// The add/delete record: the first destinations of the array, each cut to
// 255 characters, and the bundle name, cut likewise. An array of more than
// 255 elements is cut to the record's 255 slots and the count says 255; a
// Java null array counts as empty. An element that is null or whose
// characters cannot be had leaves its slot empty (it still counts).
void FillRecord(JNIEnv *env, MonitoringDestRecord *record, jobjectArray dests, const char *name) {
    const int count = bundle::ClampCount(bundle::ArrayLength(env, dests), MONITORING_DEST_SLOTS);
    record->Count = count;
    for (int i = 0; i < count; ++i) {
        bundle::ScopedLocalRef element(env, dests, i);
        bundle::BorrowedString chars(env, static_cast<jstring>(element.get()));
        if (chars.ok()) bundle::CopyText(record->Dest[i], chars.get());
    }
    bundle::CopyText(record->BundleName, name);
}

}  // namespace

// A missing table or a failure answers the fail reply, an exhausted heap
// the empty text; the table and the reply buffer go back before return.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp_getTrafficMonitoringDestAddressInfoJni(
    JNIEnv *env, jobject) {
    MonitoringDestRecord *table = TakeRecords(MONITORING_TABLE_ENTRIES);
    BRIDGE_LOG("\ngetTrafficMonitoringDestAddressInfoJni enter ==========>\n");
    const int result = table != nullptr ? zivra_getTrafficMonitoringDestAddressInfo(table) : -1;
    char *reply = nullptr;
    if (table == nullptr || result != 0) {
        reply = bundle::HeapText("{\"Result\":-1,\"FailReason\":\"parameter NULL\"}", kFailReplySize);
    } else {
        reply = static_cast<char *>(calloc(kListReply, 1));
        if (reply != nullptr) ListDestinations(reply, table);
    }
    const char *text = reply != nullptr ? reply : "";
    BRIDGE_LOG("\r\ngetTrafficMonitoringDestAddressInfoJni: return json = %s leave ==========>\n", text);
    jstring s = env->NewStringUTF(text);
    free(table);
    free(reply);
    return s;
}

// The bundle name goes by the JVM's own characters; a Java null counts as
// characters that cannot be had. Either that or a missing record gives -1
// without the gateway.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp_addTrafficMonitoringDestAddressJni(
    JNIEnv *env, jobject, jobjectArray destAddresses, jstring bundleName) {
    MonitoringDestRecord *record = TakeRecords(1);
    BRIDGE_LOG("\naddTrafficMonitoringDestAddressJni enter ==========>\n");
    bundle::BorrowedString name(env, bundleName);
    int result = -1;
    if (!name.ok() || record == nullptr) {
        BRIDGE_LOG("\naddTrafficMonitoringDestAddressJni: alloc fail ==========>\n");
        name.Release();
    } else {
        FillRecord(env, record, destAddresses, name.get());
        BRIDGE_LOG("addTrafficMonitoringDestAddressJni: Bcon =%s enter ==========>", name.get());
        result = zivra_addTrafficMonitoringDestAddress(record);
        name.Release();
    }
    BRIDGE_LOG("\naddTrafficMonitoringDestAddressJni:return %d leave ==========>\n", result);
    free(record);
    return result;
}

// As the add, without a line of its own for the failure.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_TrafficMonitoringConfigServiceImp_deleteTrafficMonitoringDestAddressJni(
    JNIEnv *env, jobject, jobjectArray destAddresses, jstring bundleName) {
    MonitoringDestRecord *record = TakeRecords(1);
    BRIDGE_LOG("\ndeleteTrafficMonitoringDestAddressJni enter ==========>\n");
    bundle::BorrowedString name(env, bundleName);
    int result = -1;
    if (name.ok() && record != nullptr) {
        FillRecord(env, record, destAddresses, name.get());
        BRIDGE_LOG("\ndeleteTrafficMonitoringDestAddressJni:Bcon =%s ==========>\n", name.get());
        result = zivra_deleteTrafficMonitoringDestAddress(record);
    }
    name.Release();
    BRIDGE_LOG("\ndeleteTrafficMonitoringDestAddressJni:return %d leave ==========>\n", result);
    free(record);
    return result;
}
