// Start at login: a desktop entry in the user's autostart folder
// ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart) that starts
// the program in clock mode.
#pragma once

#include <QString>
#include <optional>

namespace pelmora {

QString autostart_file();
bool starts_at_login();
// Writes (whole, never half) or removes the entry; the reason when that
// could not be done.
std::optional<QString> set_start_at_login(bool start);

// The entry's text, starting `program` (a name on PATH or a full path).
QString autostart_entry(const QString& program);

}  // namespace pelmora
