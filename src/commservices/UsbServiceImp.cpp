// Native half of com.korvanta.nestrova.commservices.UsbServiceImp: bundles
// register for USB device types, open, lock, set up, read and write devices,
// and list the gateway's USB storage volumes.
#include "com_korvanta_nestrova_commservices_UsbServiceImp.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// Caller triple the USB operations take first; the bundle name goes along
// only when registering and unregistering.
constexpr int kUsbClient = 2;
constexpr int kUsbSession = -1;

// Offset and count from Java must describe a region inside the byte array:
// both non-negative and offset + count (summed in 64 bits, so two large
// ints cannot wrap into range) at most the array's length. A region outside
// it, or a null array, gets -1 before any element is touched: no platform
// call, and no Java exception left pending (the region copy would raise one).
bool RegionInArray(JNIEnv *env, jbyteArray array, jint offset, jint count) {
    if (array == nullptr || offset < 0 || count < 0) return false;
    return static_cast<int64_t>(offset) + count <= static_cast<int64_t>(env->GetArrayLength(array));
}

#define STORAGE_HEAD "{\"Result\":0,\"List\":["
#define STORAGE_ITEM "{\"storagePath\":\"%.*s\",\"totalStorage\":%d,\"validStorage\":%d},"

// Longest storage reply: both volumes with paths filling their 32 bytes and
// sizes of 11 characters, 20 + 2 * 105 + 2 + 1 = 233 bytes (one comma less
// in fact): within 256.
constexpr size_t kStorageReplySize = 256;
constexpr size_t kStorageReplyLongest =
    (sizeof(STORAGE_HEAD) - 1) + ZIVRA_USB_STORAGE_ENTRIES * (sizeof(STORAGE_ITEM) - 1 - 8 + 32 + 11 + 11) + 2 + 1;
static_assert(kStorageReplyLongest == 233 && kStorageReplyLongest <= kStorageReplySize, "storage reply buffer");

}  // namespace

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbRegisterJni(
    JNIEnv *env, jobject, jstring bundleName, jint devTypes) {
    BRIDGE_LOG("usbRegisterJni:devTypes= %d enter============>\n", devTypes);
    bundle::BorrowedString name(env, bundleName);  // a Java null: no characters
    // Only a mask with bit 0 set registers; the mask goes to the gateway whole.
    if (name.ok() && (devTypes & 1) != 0) {
        BRIDGE_LOG("usbRegisterJni:Bcon= %s enter============>\n", name.get());
        const int result = zivra_usbRegister(kUsbClient, kUsbSession, name.get(), devTypes);
        name.Release();
        BRIDGE_LOG("usbRegisterJni: return %d====>\n", result);
        return result;
    }
    name.Release();
    BRIDGE_LOG("usbRegisterJni: return %d====>\n", -1);
    return -1;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbUnregisterJni(
    JNIEnv *env, jobject, jstring bundleName) {
    bundle::BorrowedString name(env, bundleName);
    if (!name.ok()) {
        BRIDGE_LOG("usbUnregisterJni: return %d====>\n", -1);
        return -1;
    }
    BRIDGE_LOG("usbUnregisterJni:Bcon= %s  enter============>\n", name.get());
    const int result = zivra_usbUnregister(kUsbClient, kUsbSession, name.get());
    name.Release();
    BRIDGE_LOG("usbUnregisterJni: return %d====>\n", result);
    return result;
}

// Success and failure share the one int: Java tells a handle from a result
// code only by the values the gateway uses.
extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbOpenJni(JNIEnv *,
                                                                                                  jobject,
                                                                                                  jint devId) {
    int handle = -1;
    BRIDGE_LOG("usbOpenJni:devId= %d  enter============>\n", devId);
    const int result = zivra_usbOpen(kUsbClient, kUsbSession, nullptr, devId, &handle);
    const int value = result == 0 ? handle : result;
    BRIDGE_LOG("usbOpenJni: return %d====>\n", value);
    return value;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbCloseJni(JNIEnv *,
                                                                                                   jobject,
                                                                                                   jint handle) {
    BRIDGE_LOG("usbCloseJni:handle= %d ,enter============>\n", handle);
    const int result = zivra_usbClose(handle);
    BRIDGE_LOG("usbCloseJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbLockJni(JNIEnv *,
                                                                                                  jobject,
                                                                                                  jint devId) {
    BRIDGE_LOG("usbLockJni:devId= %d  enter============>\n", devId);
    const int result = zivra_usbLock(kUsbClient, kUsbSession, nullptr, devId);
    BRIDGE_LOG("usbLockJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbUnlockJni(JNIEnv *,
                                                                                                    jobject,
                                                                                                    jint devId) {
    BRIDGE_LOG("usbUnlockJni:devId= %d  enter============>\n", devId);
    const int result = zivra_usbUnlock(kUsbClient, kUsbSession, nullptr, devId);
    BRIDGE_LOG("usbUnlockJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbDataAvailableJni(JNIEnv *, jobject, jint handle) {
    BRIDGE_LOG("usbDataAvailableJni:handle= %d  enter============>\n", handle);
    const int value = zivra_usbDataAvailable(kUsbClient, kUsbSession, nullptr, handle);
    BRIDGE_LOG("usbDataAvailableJni: return %d====>\n", value);
    return value;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbReadJni(
    JNIEnv *env, jobject, jint handle, jbyteArray buffer, jint offset, jint count, jint timeout) {
    if (!RegionInArray(env, buffer, offset, count)) {
        BRIDGE_LOG("usbReadJni: return %d====>\n", -1);
        return -1;
    }
    bundle::ByteArrayElements elems(env, buffer);
    if (!elems.ok()) {
        BRIDGE_LOG("usbReadJni: return %d====>\n", -1);
        return -1;
    }
    BRIDGE_LOG("usbReadJni:handle= %d ,offset=%d ,count=%d ,timeout=%d ,enter============>\n", handle, offset,
               count, timeout);
    int transferred = count;
    const int result =
        zivra_usbRead(kUsbClient, kUsbSession, nullptr, handle, elems.get() + offset, &transferred, timeout);
    elems.Release();  // mode 0: the bytes read land in the Java array from `offset` on
    const int value = result == 0 ? transferred : result;
    BRIDGE_LOG("usbReadJni: return %d====>\n", value);
    return value;
}

// The bytes to send are moved to the start of the elements, which go back
// with mode 0: afterwards the first `count` bytes of the Java array hold
// the bytes sent, as Java callers of this service have always seen.
extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbWriteJni(
    JNIEnv *env, jobject, jint handle, jbyteArray data, jint offset, jint count) {
    if (!RegionInArray(env, data, offset, count)) {
        BRIDGE_LOG("usbWriteJni: return json = \"Result\":-1,\"FailReason\":\"Get jbyteArray fail\"  leave============>\n");
        return -1;
    }
    bundle::ByteArrayElements elems(env, data);
    if (!elems.ok()) {
        BRIDGE_LOG("usbWriteJni: return json = \"Result\":-1,\"FailReason\":\"Get jbyteArray fail\"  leave============>\n");
        return -1;
    }
    env->GetByteArrayRegion(data, offset, count, elems.get());
    BRIDGE_LOG("usbWriteJni:handle= %d ,offset=%d ,count=%d ,enter============>\n", handle, offset, count);
    int transferred = count;
    const int result = zivra_usbWrite(kUsbClient, kUsbSession, nullptr, handle, elems.get(), &transferred);
    elems.Release();
    const int value = result == 0 ? transferred : result;
    BRIDGE_LOG("usbWriteJni: return %d====>\n", value);
    return value;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_commservices_UsbServiceImp_usbSetSerialJni(
    JNIEnv *, jobject, jint device, jint setting1, jint setting2, jint setting3, jint setting4, jboolean flag1,
    jboolean flag2) {
    UsbSerialSettings settings;
    memset(&settings, 0, sizeof settings);
    settings.Setting1 = setting1;
    settings.Setting2 = setting2;
    settings.Setting3 = setting3;
    settings.Setting4 = setting4;
    settings.Flag1 = flag1 != 0 ? 1 : 0;
    settings.Flag2 = flag2 != 0 ? 1 : 0;
    const int result = zivra_usbSetSerial(kUsbClient, kUsbSession, nullptr, device, &settings);
    BRIDGE_LOG("usbSetSerialJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_UsbServiceImp_getStorageInfoJni(JNIEnv *env, jobject) {
    BRIDGE_LOG("getStorageInfoJni: enter============>\n");
    // Both blocks from calloc (the table zeroed too); each freed once below.
    char *reply = static_cast<char *>(calloc(kStorageReplySize, 1));
    UsbStorageEntry *table =
        static_cast<UsbStorageEntry *>(calloc(ZIVRA_USB_STORAGE_ENTRIES, sizeof(UsbStorageEntry)));
    if (reply == nullptr || table == nullptr) {
        free(reply);
        free(table);
        return env->NewStringUTF("{\"Result\":-1,\"FailReason\":\"getStorageInfoJni malloc fail\"}");
    }

    // None or below zero: an empty list; more than two: the table's two.
    const int n = bundle::ClampCount(zivra_getStorageInfo(table), ZIVRA_USB_STORAGE_ENTRIES);
    bundle::BoundedWriter out(reply, kStorageReplySize);
    out.Literal(STORAGE_HEAD);
    for (int i = 0; i < n; ++i) {
        BUNDLE_WRITE(out, STORAGE_ITEM, BUNDLE_FIELD(table[i].StoragePath), table[i].TotalStorage,
                     table[i].ValidStorage);
    }
    if (n > 0) out.BackOver(',');
    out.Literal("]}");

    jstring result = env->NewStringUTF(reply);
    free(reply);
    free(table);
    return result;
}
