// Replies on the heap: list replies and the buffers of the gateway's own lists.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/list_reply.h"

using bundle::ListReply;

namespace {

TEST(ListReply, BufferSizesASizeTCannotHoldGiveNoBuffer) {
    // INT_MAX items of a quarter of the address space each: count x allowance
    // wraps on a 32-bit and on a 64-bit size_t alike.
    ListReply r(2147483647, SIZE_MAX / 4, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    BUNDLE_WRITE(r, "{\"N\":%d},", 1);
    r.Close();
    EXPECT_STREQ(r.text(), "{\"Result\":-1,\"List\":[]}");
    // (2 + 1) x half the address space wraps too, on either size_t.
    size_t size = 7;
    EXPECT_EQ(bundle::HeapListBuffer(2, SIZE_MAX / 2, &size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(ListReply, ItemsFillingTheirWholeAllowanceStayWhole) {
    // One item of exactly K - 1 characters: c * K bytes alone would not hold
    // the prefix and the closing bracket as well.
    const size_t k = 384;
    const std::string field(k - 1 - 9, 'a');  // {"A":"..."}, is 9 characters around it
    ListReply r(1, k, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    BUNDLE_WRITE(r, "{\"A\":\"%s\"},", field.c_str());
    r.Close();
    EXPECT_EQ(std::string(r.text()), "{\"Result\":0,\"List\":[{\"A\":\"" + field + "\"}]}");
}

}  // namespace
