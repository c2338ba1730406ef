// Fixture for tests of native methods: a fresh stand-in platform and a
// fake JNIEnv per test; after each test every JNI resource obtained must
// have gone back and the JVM must never have been handed a bad call.
#ifndef BUNDLE_TESTS_BRIDGE_TEST_H
#define BUNDLE_TESTS_BRIDGE_TEST_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_jni.h"
#include "sim/zivra_sim.h"

// Log lines, platform calls and texts, as the tests compare them.
using Strings = std::vector<std::string>;

class BridgeTest : public ::testing::Test {
  protected:
    void SetUp() override { zsim::Reset(); }
    void TearDown() override {
        EXPECT_EQ(jni.Leaks(), "");
        EXPECT_EQ(jni.misuse(), std::vector<std::string>());
        EXPECT_EQ(zsim::NullTexts(), 0) << "a null text was handed to the platform";
    }

    JNIEnv *env() { return jni.env(); }
    jobject self() { return jni.self(); }
    std::string Text(jstring s) { return jni.Text(s); }

    // Log lines as "level|text", in order.
    static Strings Lines() {
        Strings out;
        for (const auto &l : zsim::Log()) out.push_back(std::to_string(l.level) + "|" + l.text);
        return out;
    }
    // Platform calls as "op(args)", in order.
    static Strings Calls() {
        Strings out;
        for (const auto &c : zsim::Calls()) out.push_back(c.op + "(" + c.args + ")");
        return out;
    }

    FakeJni jni;
};

// Prefixes each text with the default log level, for comparing with Lines().
inline Strings AtLevel2(Strings texts) {
    for (auto &t : texts) t = "2|" + t;
    return texts;
}

#endif  // BUNDLE_TESTS_BRIDGE_TEST_H
