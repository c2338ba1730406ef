// A JNIEnv for unit tests of the native methods. It offers only the nine
// JNI functions the bridge may use; any other one aborts the test binary
// with the slot it came through. It hands out strings, string arrays and
// byte arrays owned by the test, can refuse the characters or elements of
// a chosen one, and counts everything obtained so a test can check that it
// all went back.
#ifndef BUNDLE_TESTS_FAKE_JNI_H
#define BUNDLE_TESTS_FAKE_JNI_H

#include <jni.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

class FakeJni {
  public:
    FakeJni();
    ~FakeJni();
    FakeJni(const FakeJni &) = delete;
    FakeJni &operator=(const FakeJni &) = delete;

    JNIEnv *env() { return &env_wrapper_.env; }
    // The receiver passed as the entry points' second argument.
    jobject self() { return reinterpret_cast<jobject>(&self_obj_); }

    // A String whose characters are the given modified UTF-8 bytes.
    jstring Str(const std::string &utf);
    // A String whose characters cannot be had (GetStringUTFChars gives null).
    jstring BadStr();
    // A String[]; elements may be null or BadStr().
    jobjectArray Arr(const std::vector<jstring> &elements);
    jobjectArray Strs(const std::vector<std::string> &texts);
    jbyteArray Bytes(const std::vector<int8_t> &bytes, bool refuse_elements = false);

    // Text of a String the bridge made with NewStringUTF (or of any String).
    std::string Text(jstring s) const;
    // Current contents of a byte array (after the bridge copied back).
    std::vector<int8_t> Contents(jbyteArray a) const;

    // Everything obtained has gone back: characters, element references,
    // byte-array elements. Empty when balanced, else a description.
    std::string Leaks() const;
    // JNI calls in order, e.g. "GetStringUTFChars", "DeleteLocalRef".
    const std::vector<std::string> &trace() const { return trace_; }
    // Misuse seen (a null reference passed to the JVM, a non-null isCopy,
    // a release of something never obtained); empty when none.
    const std::vector<std::string> &misuse() const { return misuse_; }
    // How many platform calls had been recorded by the stand-in platform
    // when each string's characters went back, in release order.
    const std::vector<size_t> &release_points() const { return release_points_; }

  private:
    enum class Kind { kString, kArray, kBytes };
    struct Obj {
        Kind kind = Kind::kString;
        std::string utf;
        bool refuse = false;
        std::vector<jobject> elements;
        std::vector<int8_t> bytes;
    };
    struct Env {
        JNIEnv_ env;
        FakeJni *self;
    };

    // The FakeJni behind `env`, with `function` traced as called.
    static FakeJni *Enter(JNIEnv *env, const char *function);
    // A null reference handed to `function`, which the JVM would crash on: noted as misuse.
    bool Null(const void *ref, const char *function);
    Obj *Get(jobject o) const;
    jobject Add(Kind kind, std::string utf, bool refuse = false, std::vector<jobject> elements = {},
                std::vector<int8_t> bytes = {});
    void Misuse(const std::string &what);

    static const char *JNICALL GetStringUTFChars(JNIEnv *, jstring, jboolean *);
    static void JNICALL ReleaseStringUTFChars(JNIEnv *, jstring, const char *);
    static jstring JNICALL NewStringUTF(JNIEnv *, const char *);
    static jsize JNICALL GetArrayLength(JNIEnv *, jarray);
    static jobject JNICALL GetObjectArrayElement(JNIEnv *, jobjectArray, jsize);
    static void JNICALL DeleteLocalRef(JNIEnv *, jobject);
    static jbyte *JNICALL GetByteArrayElements(JNIEnv *, jbyteArray, jboolean *);
    static void JNICALL GetByteArrayRegion(JNIEnv *, jbyteArray, jsize, jsize, jbyte *);
    static void JNICALL ReleaseByteArrayElements(JNIEnv *, jbyteArray, jbyte *, jint);

    JNINativeInterface_ table_;
    Env env_wrapper_;
    int self_obj_ = 0;
    std::deque<Obj> objects_;
    std::map<const char *, jobject> chars_out_;
    std::map<jbyte *, jobject> bytes_out_;
    std::map<jobject, int> refs_out_;
    std::vector<std::string> trace_;
    std::vector<std::string> misuse_;
    std::vector<size_t> release_points_;
};

#endif  // BUNDLE_TESTS_FAKE_JNI_H
