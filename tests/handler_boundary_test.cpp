// The handler boundary: however a handler ends, it ends there.
#include "app/handler_boundary.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "app/platform.h"

namespace pelmora {
namespace {

TEST(HandlerBoundaryTest, TurnsEveryEndIntoAResult) {
  EXPECT_EQ(run_handler([] {}).kind, HandlerEnd::Kind::done);
  EXPECT_EQ(run_handler([] { throw ProgramEnded{}; }).kind, HandlerEnd::Kind::program_ended);

  const struct {
    const char* name;
    std::function<void()> handler;
    int number;
    const char* message;
  } failures[] = {
      {"run-time error", [] { raise_overflow(); }, 6, "Overflow"},
      {"out of memory", [] { throw std::bad_alloc(); }, 7, "Out of memory"},
      {"library error", [] { throw std::out_of_range("vector::at"); }, 51, "Internal error: vector::at"},
      {"not an exception", [] { throw "text"; }, 51, "Internal error"},
  };
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.name);
    const HandlerEnd end = run_handler(failure.handler);
    ASSERT_EQ(end.kind, HandlerEnd::Kind::runtime_error);
    EXPECT_EQ(end.error->number(), failure.number);
    EXPECT_STREQ(end.error->what(), failure.message);
  }
}

}  // namespace
}  // namespace pelmora
