#include "support/test_support.h"

#include <sys/wait.h>

#include <cstdio>

namespace pelmora::testing {

CommandRun run_command(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::vector<Operation> only(const std::vector<Operation>& operations, Operation::Kind kind) {
  std::vector<Operation> selected;
  for (const Operation& op : operations)
    if (op.kind == kind) selected.push_back(op);
  return selected;
}

std::vector<Operation> prints_of(const std::vector<Operation>& operations, const std::string& text) {
  std::vector<Operation> selected;
  for (const Operation& op : operations)
    if (op.kind == Operation::Kind::print && op.text.find(text) != std::string::npos) selected.push_back(op);
  return selected;
}

std::vector<std::string> trace_lines(const std::vector<Operation>& operations) {
  std::vector<std::string> lines;
  for (const Operation& op : operations) lines.push_back(trace_line(op));
  return lines;
}

Operation print_op(int column, int row, const std::string& text) {
  Operation op{.kind = Operation::Kind::print,
               .x1 = static_cast<Single>(column * kCellWidth),
               .y1 = static_cast<Single>(row * kCellHeight),
               .colour = 0xff00ff};
  op.text = text;
  return op;
}

}  // namespace pelmora::testing
