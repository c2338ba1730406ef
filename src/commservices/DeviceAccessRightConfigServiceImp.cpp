// Native half of com.korvanta.nestrova.commservices.DeviceAccessRightConfigServiceImp:
// rights of the gateway's Samba, FTP and HTTP storage services, their
// accounts and the HTTP password.
//
// Texts from Java reach the gateway as the JVM's own characters (borrowed,
// no copy) and go back right after the call. A Java null, like a String
// whose characters cannot be had, gives -1 without the gateway.
#include "com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_setSambaRightJni(JNIEnv *, jobject,
                                                                                         jint right,
                                                                                         jboolean anonymous) {
    BRIDGE_LOG("setSambaRightJni: SambaRight = %d Sambaanonymous = %d\n", right, static_cast<int>(anonymous));
    const int result = zivra_setSambaRight(right, anonymous != 0 ? 1 : 0);
    BRIDGE_LOG("setSambaRightJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_setFTPRightJni(JNIEnv *, jobject,
                                                                                       jint right,
                                                                                       jboolean anonymous) {
    BRIDGE_LOG("setFTPRightJni: enter============>\n");
    const int result = zivra_setFTPRight(right, anonymous != 0 ? 1 : 0);
    BRIDGE_LOG("setFTPRightJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_setHTTPRightJni(JNIEnv *, jobject,
                                                                                        jint right) {
    BRIDGE_LOG("setHTTPRightJni: HTTPRight = %d \n", right);
    const int result = zivra_setHTTPRight(right);
    BRIDGE_LOG("setHTTPRightJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_addSambaAccountJni(JNIEnv *env,
                                                                                           jobject,
                                                                                           jstring userName,
                                                                                           jstring password) {
    BRIDGE_LOG("addSambaAccountJni: enter============>\n");
    bundle::BorrowedString user(env, userName);
    bundle::BorrowedString pass(env, password);
    if (!user.ok() || !pass.ok()) return -1;  // whichever was had goes back with its guard

    const int result = zivra_addSambaAccount(user.get(), pass.get());
    user.Release();
    pass.Release();
    BRIDGE_LOG("addSambaAccountJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_addFTPAccountJni(JNIEnv *env, jobject,
                                                                                         jstring userName,
                                                                                         jstring password) {
    bundle::BorrowedString user(env, userName);
    bundle::BorrowedString pass(env, password);
    if (!user.ok() || !pass.ok()) return -1;

    // The gateway's log has always shown the FTP password in clear.
    BRIDGE_LOG("addFTPAccountJni: CFTPAccount:%s CaddFTPpassword:%s enter============>\n", user.get(), pass.get());
    const int result = zivra_addFTPAccount(user.get(), pass.get());
    user.Release();
    pass.Release();
    BRIDGE_LOG("CFTPAccount: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_deleteSambaAccountJni(JNIEnv *env,
                                                                                              jobject,
                                                                                              jstring userName) {
    BRIDGE_LOG("deleteSambaAccountJni: enter============>\n");
    bundle::BorrowedString user(env, userName);
    if (!user.ok()) return -1;

    const int result = zivra_deleteSambaAccount(user.get());
    user.Release();
    BRIDGE_LOG("deleteSambaAccountJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_deleteFTPAccountJni(JNIEnv *env,
                                                                                            jobject,
                                                                                            jstring userName) {
    BRIDGE_LOG("deleteFTPAccountJni: enter============>\n");
    bundle::BorrowedString user(env, userName);
    if (!user.ok()) return -1;

    BRIDGE_LOG("deleteFTPAccountJni: CdeleFTPAccount:%s", user.get());  // no line feed, as ever
    const int result = zivra_deleteFTPAccount(user.get());
    user.Release();
    BRIDGE_LOG("deleteFTPAccountJni: return %d====>\n", result);
    return result;
}

// The delete-all operations take an empty text as wide as a user name;
// nothing is read back from it.
extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_deleteAllSambaAccountJni(JNIEnv *,
                                                                                                 jobject) {
    char empty[ZIVRA_STORAGE_USER_SIZE];
    memset(empty, 0, sizeof empty);
    BRIDGE_LOG("deleteAllSambaAccountJni: enter============>\n");
    const int result = zivra_deleteAllSambaAccount(empty);
    BRIDGE_LOG("deleteAllSambaAccountJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_deleteAllFTPAccountJni(JNIEnv *,
                                                                                               jobject) {
    char empty[ZIVRA_STORAGE_USER_SIZE];
    memset(empty, 0, sizeof empty);
    BRIDGE_LOG("deleteAllFTPAccountJni: enter============>\n");
    const int result = zivra_deleteAllFTPAccount(empty);
    BRIDGE_LOG("deleteAllFTPAccountJni: return %d====>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_commservices_DeviceAccessRightConfigServiceImp_setHTTPUserPasswordJni(JNIEnv *env,
                                                                                               jobject,
                                                                                               jstring password) {
    bundle::BorrowedString pass(env, password);
    if (!pass.ok()) return -1;

    BRIDGE_LOG("setHTTPUserPassword: enter============>\n");
    const int result = zivra_setHTTPUserPassword(pass.get());
    pass.Release();
    BRIDGE_LOG("setHTTPUserPassword: return %d====>\n", result);
    return result;
}
