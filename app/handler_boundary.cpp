#include "handler_boundary.h"

#include <exception>
#include <new>

#include "platform.h"

namespace pelmora {

namespace {

// Made before they are needed: reporting that memory ran out must not need
// more of it. Copies of them share their text.
const RuntimeError& out_of_memory() {
  static const RuntimeError error(7, "Out of memory");
  return error;
}
const RuntimeError& internal_error() {
  static const RuntimeError error(51, "Internal error");
  return error;
}

HandlerEnd failed(const RuntimeError& error) { return {HandlerEnd::Kind::runtime_error, error}; }

HandlerEnd internal_error_saying(const char* what) {
  try {
    return failed(RuntimeError(51, std::string("Internal error: ") + what));
  } catch (...) {
    return failed(internal_error());
  }
}

}  // namespace

HandlerEnd run_handler(const std::function<void()>& handler) noexcept {
  // Both are made now, while there is memory.
  out_of_memory();
  internal_error();
  try {
    handler();
    return {};
  } catch (const ProgramEnded&) {
    return {HandlerEnd::Kind::program_ended, std::nullopt};
  } catch (const RuntimeError& error) {
    return failed(error);
  } catch (const std::bad_alloc&) {
    return failed(out_of_memory());
  } catch (const std::exception& error) {
    return internal_error_saying(error.what());
  } catch (...) {
    return failed(internal_error());
  }
}

}  // namespace pelmora
