// Native half of com.korvanta.nestrova.voipservices.VoIPInfoSubscribeServiceImp:
// a bundle subscribes to VoIP events or unsubscribes. Its name and the event
// names go to the gateway packed in one record, taken from the heap for the
// call.
#include "com_korvanta_nestrova_voipservices_VoIPInfoSubscribeServiceImp.h"

#include <stdlib.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// Fills a zeroed record with the event names and the bundle's name. The
// record holds 4 names: further elements are never read and EventCount
// says 4, the number actually in the record. Each element's characters go
// back, then its reference, before the next is taken. Returns false when an
// element's characters cannot be had (a Java null array or element
// included), with everything taken for it already given back.
bool FillSubscription(JNIEnv *env, VoIPEventSubscription &record, const char *bundleName, jobjectArray events) {
    if (events == nullptr) return false;
    const int count = bundle::ClampCount(env->GetArrayLength(events), VOIP_EVENT_NAMES);
    record.EventCount = count;
    for (int i = 0; i < count; ++i) {
        bundle::ScopedLocalRef element(env, events, i);
        bundle::BorrowedString name(env, static_cast<jstring>(element.get()));
        if (!name.ok()) return false;
        // Longer names are cut to the slot's 255 characters on purpose.
        bundle::CopyText(record.EventNames[i], name.get());
    }
    bundle::CopyText(record.Bcon, bundleName);
    return true;
}

// The record, zeroed; null when the heap has no room for it.
VoIPEventSubscription *NewSubscription() {
    return static_cast<VoIPEventSubscription *>(calloc(1, sizeof(VoIPEventSubscription)));
}

}  // namespace

// Subscribe and unsubscribe run the same steps with their own texts: the
// record, its first line, the bundle's name (kept until the record is
// freed), the record filled, the gateway called. A record the heap could
// not give, a name or an event whose characters cannot be had all end in
// the failure line and -1 without a gateway call.

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_voipservices_VoIPInfoSubscribeServiceImp_subscribeVoIPEventJni(JNIEnv *env, jobject,
                                                                                        jstring bundleName,
                                                                                        jobjectArray events) {
    VoIPEventSubscription *record = NewSubscription();
    BRIDGE_LOG("\nsubscribeVoIPEventJni enter ==========>\n");
    bundle::BorrowedString name(env, bundleName);
    int result = -1;
    if (record != nullptr && name.ok() && FillSubscription(env, *record, name.get(), events)) {
        BRIDGE_LOG("subscribeVoIPEventJni: Bcon =%s enter ==========>\n", name.get());
        result = zivra_addVoIPMonitorEvent(record);
    } else {
        BRIDGE_LOG("\nsubscribeVoIPEventJni: alloc fail ==========>\n");
    }
    BRIDGE_LOG("\nsubscribeVoIPEventJni:return %d leave ==========>\n", result);
    free(record);
    name.Release();
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_voipservices_VoIPInfoSubscribeServiceImp_unSubscribeVoIPEventJni(JNIEnv *env, jobject,
                                                                                          jstring bundleName,
                                                                                          jobjectArray events) {
    VoIPEventSubscription *record = NewSubscription();
    BRIDGE_LOG("\nunSubscribeVoIPEventJni enter ==========>\n");
    bundle::BorrowedString name(env, bundleName);
    int result = -1;
    if (record != nullptr && name.ok() && FillSubscription(env, *record, name.get(), events)) {
        BRIDGE_LOG("unSubscribeVoIPEventJni:Bcon =%s ==========>\n", name.get());
        result = zivra_deleteVoIPMonitoriEvent(record);
    } else {
        BRIDGE_LOG("\nunSubscribeVoIPEventJni: Alloc fail ==========>\n");
    }
    BRIDGE_LOG("\nunSubscribeVoIPEventJni:return %d leave ==========>\n", result);
    free(record);
    name.Release();
    return result;
}
