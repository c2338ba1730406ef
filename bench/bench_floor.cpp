// Benchmark-only JNI library (never shipped): the floor each benchmarked
// native method of libbundle.so.1 is measured against, and the set-up of
// the stand-in platform the bridge calls during the run.
//
// A floor method takes the same argument types as its bridge method and
// makes only the JNI calls the bridge must make for them: the characters of
// every String obtained and released, every array element fetched, read
// and dropped, and a Java String created from a text as long as the
// bridge's reply (the very text, handed over by the harness). Nothing else.
//
// Switched on by standIn(true), each floor also makes the stand-in
// platform's calls of its bridge method (the operation and the log lines),
// so the harness can tell the bridge's own work apart from the stand-in's.
#include <jni.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "sim/zivra_sim.h"

namespace {

constexpr int kFamilies = 8;
constexpr int kRecords = 64;
std::string g_reply[kFamilies];  // bridge replies, for the floors' NewStringUTF
LANHostRecord g_hosts[kRecords];
MirrorRuleRecord g_rules[kRecords];
char g_macs[kRecords][20];

template <size_t N>
void Full(char (&field)[N], char base, int i) {  // N - 1 characters, then the NUL
    for (size_t k = 0; k + 1 < N; ++k) field[k] = static_cast<char>(base + (k + static_cast<size_t>(i)) % 26);
    field[N - 1] = '\0';
}

template <size_t N>
void Set(char (&field)[N], const char *text) {
    snprintf(field, N, "%s", text);
}

// What the stand-in platform does for one call of the family's bridge
// method: its log lines (as many as the method writes) and the operation,
// with arguments like the bridge's. Run inside the floors when switched on,
// so that its cost is taken where the bridge pays it, between JNI calls.
bool g_standIn = false;

void StandIn(int family) {
    static LANHostRecord hosts[kRecords];
    int count = 0;
    zivra_printf(2, "enter============>\n");
    switch (family) {
        case 0: zivra_setMacFilterMode(1); break;
        case 1:
            zivra_printf(2, "JstringToPchar============>\n");
            zivra_setLANDHCPInfo("1", "192.168.100.100", "192.168.100.200", 86400);
            break;
        case 2:
            zivra_addMirrorRuleJni("203.0.113.45", "8080", "both", "TCP", "00:1A:2B:3C:4D:05", "192.168.1.200", 9000);
            return;  // this method writes no leave line
        case 3: zivra_addLANHostToBlackList(g_macs, kRecords); break;
        case 4: zivra_getLANHostInfoByClass("PC", hosts, &count); break;
        case 5: {
            LANEthernetStatsRecord st;
            zivra_getLANEthernetStats(1, &st);
            break;
        }
        case 6: {
            char name[71];
            zivra_getGatewayName(name);
            break;
        }
        default: {
            MirrorRuleRecord *list = nullptr;
            zivra_getMirroRuleInfoJni(&list, &count);
            free(list);  // the bridge's free, counted here with the stand-in's malloc
            break;
        }
    }
    zivra_printf(2, "return = %s leave============>\n", "");
}

// The stand-in's calls (when switched on) come before the reply is created.
jstring Reply(JNIEnv *env, int family) {
    if (g_standIn) StandIn(family);
    return env->NewStringUTF(g_reply[family].c_str());
}

int Done(int family) {
    if (g_standIn) StandIn(family);
    return 0;
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_BridgeBench_standIn(JNIEnv *, jclass, jboolean on) { g_standIn = on != 0; }

// Scripts the benchmarked operations to answer at once (full host records,
// realistic mirror rules) and stops the stand-in's recording, so that its
// log function returns at once too.
JNIEXPORT void JNICALL Java_BridgeBench_prepare(JNIEnv *, jclass) {
    zsim::SetRecording(false);
    for (int i = 0; i < kRecords; ++i) {
        LANHostRecord &h = g_hosts[i];
        Full(h.Class, 'A', i), Full(h.MAC, 'a', i), Full(h.DhcpName, 'a', i), Full(h.DeviceName, 'A', i);
        Full(h.IP, 'a', i), Full(h.ConnectInterface, 'A', i), Full(h.OnlineTime, 'a', i);
        Full(h.StorageAccessStatus, 'A', i);
        MirrorRuleRecord &r = g_rules[i];
        snprintf(r.RemoteAddress, sizeof r.RemoteAddress, "203.0.113.%d", i + 1);
        Set(r.RemotePort, "8080"), Set(r.Direction, "both"), Set(r.Protocol, "TCP");
        snprintf(r.HostMAC, sizeof r.HostMAC, "00:1A:2B:3C:4D:%02X", i);
        Set(r.MirrorToIP, "192.168.1.200"), Set(r.MirrorToPort, "9000");
        snprintf(g_macs[i], sizeof g_macs[i], "00:1A:2B:3C:4D:%02X", i);
    }
    ZSIM_SCRIPT(zivra_setMacFilterMode, [](int) { return 0; });
    ZSIM_SCRIPT(zivra_setLANDHCPInfo, [](const char *, const char *, const char *, int) { return 0; });
    ZSIM_SCRIPT(zivra_addMirrorRuleJni, [](const char *, const char *, const char *, const char *, const char *,
                                           const char *, int) { return 0; });
    ZSIM_SCRIPT(zivra_addLANHostToBlackList, [](const char(*)[20], int) { return 0; });
    ZSIM_SCRIPT(zivra_getLANHostInfoByClass, [](const char *, LANHostRecord *hosts, int *count) {
        memcpy(hosts, g_hosts, sizeof g_hosts);
        *count = kRecords;
        return 0;
    });
    ZSIM_SCRIPT(zivra_getLANEthernetStats, [](int, LANEthernetStatsRecord *s) {
        s->BytesSent = 18446744073709551615ull, s->BytesReceived = 9223372036854775807ull;
        s->PacketsSent = 4294967295u, s->PacketsReceived = 2147483647u;
        return 0;
    });
    ZSIM_SCRIPT(zivra_getGatewayName, [](char *name) {
        memset(name, 'g', 69);  // the longest name: 69 characters and the NUL
        name[69] = '\0';
        return 0;
    });
    ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, [](MirrorRuleRecord **list, int *count) {
        *list = static_cast<MirrorRuleRecord *>(malloc(sizeof g_rules));
        if (*list == nullptr) return -1;
        memcpy(*list, g_rules, sizeof g_rules);
        *count = kRecords;
        return 0;
    });
}

JNIEXPORT void JNICALL Java_BridgeBench_keepReply(JNIEnv *env, jclass, jint family, jstring reply) {
    const char *chars = env->GetStringUTFChars(reply, nullptr);
    g_reply[family] = chars;
    env->ReleaseStringUTFChars(reply, chars);
}

// --- The floors (the stand-in's calls only when switched on) ----------------

JNIEXPORT jint JNICALL Java_BridgeBench_floorInt(JNIEnv *, jobject, jint v) { return Done(0) + v; }

// Copied strings: each String's characters are had and given back in turn.
JNIEXPORT jint JNICALL Java_BridgeBench_floorCopied(JNIEnv *env, jobject, jstring a, jstring b, jstring c, jint) {
    for (jstring s : {a, b, c}) env->ReleaseStringUTFChars(s, env->GetStringUTFChars(s, nullptr));
    return Done(1);
}

// Borrowed strings: all six held together, then all released.
JNIEXPORT jint JNICALL Java_BridgeBench_floorBorrowed(JNIEnv *env, jobject, jstring a, jstring b, jstring c,
                                                      jstring d, jstring e, jstring f, jint) {
    jstring s[6] = {a, b, c, d, e, f};
    const char *chars[6];
    for (int i = 0; i < 6; ++i) chars[i] = env->GetStringUTFChars(s[i], nullptr);
    const int r = Done(2);
    for (int i = 0; i < 6; ++i) env->ReleaseStringUTFChars(s[i], chars[i]);
    return r;
}

JNIEXPORT jint JNICALL Java_BridgeBench_floorMacs(JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = env->GetArrayLength(macs);
    for (jsize i = 0; i < n; ++i) {
        jstring element = static_cast<jstring>(env->GetObjectArrayElement(macs, i));
        env->ReleaseStringUTFChars(element, env->GetStringUTFChars(element, nullptr));
        env->DeleteLocalRef(element);
    }
    return Done(3);
}

JNIEXPORT jstring JNICALL Java_BridgeBench_floorHostList(JNIEnv *env, jobject, jstring cls) {
    env->ReleaseStringUTFChars(cls, env->GetStringUTFChars(cls, nullptr));
    return Reply(env, 4);
}

JNIEXPORT jstring JNICALL Java_BridgeBench_floorObject(JNIEnv *env, jobject, jint) { return Reply(env, 5); }

JNIEXPORT jstring JNICALL Java_BridgeBench_floorText(JNIEnv *env, jobject) { return Reply(env, 6); }

JNIEXPORT jstring JNICALL Java_BridgeBench_floorHeapList(JNIEnv *env, jobject) { return Reply(env, 7); }

}  // extern "C"
