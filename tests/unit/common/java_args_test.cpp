// Java arguments: the bounded copy of a String.
#include <cstring>
#include <string>

#include "bridge_test.h"
#include "common/java_args.h"

namespace {

class JavaArgsTest : public BridgeTest {};

TEST_F(JavaArgsTest, JstringToPcharKeepsAtMostSizeArgMinusOneBytes) {
    for (const char *in : {"123456", "1234567"}) {
        char buf[8];
        memset(buf, 'x', sizeof buf);
        ASSERT_TRUE(bundle::JstringToPchar<7>(env(), jni.Str(in), buf)) << in;
        EXPECT_EQ(std::string(buf), "123456") << in;
        EXPECT_EQ(buf[7], 'x') << "byte past the size argument written for " << in;
    }
}

}  // namespace
