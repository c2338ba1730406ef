// Every native method as a row of one table, for the hostile-input sweep and
// the entry-point fuzzer: its Java name, its argument kinds and a caller
// that unpacks generic arguments into the entry point's own signature.
#ifndef BUNDLE_TESTS_SWEEP_H
#define BUNDLE_TESTS_SWEEP_H

#include <jni.h>

#include <string>

#include "fake_jni.h"

namespace {

struct SweepArg {
    jint i = 1;
    jboolean z = JNI_TRUE;
    jobject o = nullptr;
};

struct SweepResult {
    bool is_string = false;
    bool null = false;
    std::string text;
    static SweepResult Of(FakeJni &, jint v) { return {false, false, std::to_string(v)}; }
    static SweepResult Of(FakeJni &j, jstring s) { return {true, s == nullptr, s ? j.Text(s) : ""}; }
};

struct SweepMethod {
    const char *name;   // sub-package.Class.method
    const char *kinds;  // one letter per argument: I int, Z boolean, S String, A String[], B byte[]
    SweepResult (*call)(FakeJni &, const SweepArg *);
};

// The table itself, kSweepMethods, generated from the javac -h headers.
#include "sweep_methods.inc"

}  // namespace

#endif  // BUNDLE_TESTS_SWEEP_H
