#include "replay/replay.h"

#include "app/handler_boundary.h"
#include "command_line/options.h"

namespace pelmora {

Integer ScriptShell::message_box(std::string_view, Integer, std::string_view) {
  const int answer = pending_answer_ != 0 ? pending_answer_ : kAnswerNo;
  pending_answer_ = 0;
  return answer;
}

namespace {

WindowShell& shell_for(ScriptShell& script_shell, std::optional<LoggingShell>& logging_shell, OperationLog* log) {
  if (log == nullptr) return script_shell;
  return logging_shell.emplace(script_shell, *log);
}

}  // namespace

Replay::Replay(DrawingSurface& picture, const LocalMoment& start, OperationLog* log)
    : clock_(start), log_(log), form_(picture, clock_, shell_for(script_shell_, logging_shell_, log)) {}

bool Replay::dispatch(const std::function<void()>& handler, std::FILE* errors) {
  const HandlerEnd end = run_handler(handler);
  if (end.kind == HandlerEnd::Kind::program_ended) over_ = true;
  if (end.kind == HandlerEnd::Kind::runtime_error) {
    if (log_ != nullptr) {
      Operation op{.kind = Operation::Kind::error, .number = end.error->number()};
      op.text = end.error->what();
      log_->record(op);
    }
    std::fprintf(errors, "%s\n", runtime_error_text(*end.error).c_str());
    status_ = kExitFailed;
    over_ = true;
  }
  if (stop_condition_ && stop_condition_()) over_ = true;
  return !over_;
}

bool Replay::deliver(const ScriptEvent& event, std::FILE* errors) {
  using Kind = ScriptEvent::Kind;
  switch (event.kind) {
    case Kind::tick:
      for (std::int64_t i = 0; i < event.count; ++i) {
        clock_.advance(kTickMilliseconds);
        if (!dispatch([this] { form_.Timer2_Timer(); }, errors)) return false;
      }
      return true;
    case Kind::wait:
      clock_.advance(event.milliseconds);
      return true;
    case Kind::click_clock_mode:
      return dispatch([this] { form_.clock_mode_Click(); }, errors);
    case Kind::click_cmd_exit:
      return dispatch([this] { form_.cmd_exit_Click(); }, errors);
    case Kind::click_picture1:
      return dispatch([this] { form_.picture1_click(); }, errors);
    case Kind::close: {
      Integer cancel = 0;
      return dispatch([&] { form_.form_unload(cancel); }, errors);
    }
    case Kind::answer:
      script_shell_.set_answer(event.answer);
      return true;
  }
  return true;
}

int Replay::run(const std::vector<ScriptEvent>& script, std::FILE* errors) {
  if (!dispatch([this] { form_.Form_Load(); }, errors)) return status_;
  return play(script, errors);
}

int Replay::play(const std::vector<ScriptEvent>& script, std::FILE* errors) {
  for (const ScriptEvent& event : script)
    if (over_ || !deliver(event, errors)) break;
  return status_;
}

}  // namespace pelmora
