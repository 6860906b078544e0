#include "app/numeric.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(NumericTest, Placeholder) { EXPECT_EQ(printed(Integer(7)), " 7 "); }

}  // namespace
}  // namespace pelmora
