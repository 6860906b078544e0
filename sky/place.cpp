#include "sky/place.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace pelmora::sky {

namespace {

constexpr double kLatitudeLimit = 90;
constexpr double kLongitudeLimit = 180;

// "+4024" or "+402430" (latitude: 2 digits of degrees), "-00341" or
// "-0034130" (longitude: 3 digits).
bool parse_iso6709_part(std::string_view text, int degree_digits, double& value) {
  const std::size_t minutes_end = 1 + std::size_t(degree_digits) + 2;
  if (text.size() != minutes_end && text.size() != minutes_end + 2) return false;
  if (text[0] != '+' && text[0] != '-') return false;
  if (!std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  auto number = [&](std::size_t from, std::size_t count) {
    int n = 0;
    for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (text[i] - '0');
    return n;
  };
  const int degrees = number(1, degree_digits);
  const int minutes = number(1 + degree_digits, 2);
  const int seconds = text.size() > minutes_end ? number(minutes_end, 2) : 0;
  value = (degrees + minutes / 60.0 + seconds / 3600.0) * (text[0] == '-' ? -1 : 1);
  return minutes < 60 && seconds < 60;
}

bool parse_coordinates(std::string_view text, ZoneRow& row) {
  const auto split = text.find_first_of("+-", 1);
  if (split == std::string_view::npos) return false;
  return parse_iso6709_part(text.substr(0, split), 2, row.latitude) &&
         parse_iso6709_part(text.substr(split), 3, row.longitude);
}

std::string folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// A whole decimal number, finite.
bool parse_number(std::string_view text, double& value) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc{} && end == text.data() + text.size() && std::isfinite(value);
}

std::string number_text(std::string_view text) { return std::string(trimmed(text)); }

}  // namespace

std::vector<ZoneRow> read_zone_rows(std::istream& table) {
  std::vector<ZoneRow> rows;
  std::string line;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string codes, coordinates, zone;
    ZoneRow row;
    if (std::getline(fields, codes, '\t') && std::getline(fields, coordinates, '\t') &&
        std::getline(fields, zone, '\t') && parse_coordinates(coordinates, row)) {
      row.zone = zone;
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

std::vector<ZoneRow> system_zone_rows() {
  std::vector<ZoneRow> rows;
  for (const char* path : {kZoneTable, kCountryZoneTable}) {
    std::ifstream table(path);
    for (ZoneRow& row : read_zone_rows(table))
      if (!find_zone(rows, row.zone)) rows.push_back(std::move(row));
  }
  return rows;
}

const ZoneRow* find_zone(const std::vector<ZoneRow>& rows, std::string_view name) {
  const std::string wanted = folded(trimmed(name));
  if (wanted.empty()) return nullptr;
  for (const ZoneRow& row : rows)
    if (folded(row.zone) == wanted) return &row;
  for (const ZoneRow& row : rows) {
    const auto slash = row.zone.rfind('/');
    if (slash != std::string::npos && folded(std::string_view(row.zone).substr(slash + 1)) == wanted) return &row;
  }
  return nullptr;
}

std::variant<Place, std::string> parse_place(std::string_view text, const std::vector<ZoneRow>& rows) {
  const auto comma = text.find(',');
  if (comma != std::string_view::npos) {
    Place place;
    const std::string_view latitude = text.substr(0, comma), longitude = text.substr(comma + 1);
    if (!parse_number(latitude, place.latitude) || !parse_number(longitude, place.longitude))
      return "--place: '" + std::string(text) + "' is not LAT,LON in decimal degrees (e.g. 40.4168,-3.7038)";
    if (std::abs(place.latitude) > kLatitudeLimit)
      return "--place: latitude " + number_text(latitude) + " is beyond 90 degrees north or south";
    if (std::abs(place.longitude) > kLongitudeLimit)
      return "--place: longitude " + number_text(longitude) + " is beyond 180 degrees east or west";
    place.name = std::string(trimmed(latitude)) + ", " + std::string(trimmed(longitude));
    return place;
  }
  if (const ZoneRow* row = find_zone(rows, text)) return Place{row->latitude, row->longitude, row->zone, false};
  return "--place: unknown place '" + std::string(text) +
         "': give LAT,LON in degrees, or a time zone or its city (e.g. Europe/Madrid or Madrid)";
}

Place zone_place(std::string_view zone, const std::vector<ZoneRow>& rows) {
  if (const ZoneRow* row = find_zone(rows, zone)) return {row->latitude, row->longitude, row->zone, false};
  return {0, 0, zone.empty() ? std::string("UTC") : std::string(zone), true};
}

std::string zone_name_of(std::string_view value) {
  value = trimmed(value);
  if (!value.empty() && value.front() == ':') value.remove_prefix(1);
  constexpr std::string_view kZoneFolder = "zoneinfo/";
  if (const auto at = value.rfind(kZoneFolder); at != std::string_view::npos)
    value.remove_prefix(at + kZoneFolder.size());
  // Debian keeps some zones under posix/ and right/ as well.
  for (std::string_view prefix : {"posix/", "right/"})
    if (value.starts_with(prefix)) value.remove_prefix(prefix.size());
  return std::string(value);
}

std::string system_zone_name() {
  if (const char* tz = std::getenv("TZ"); tz && *tz) return zone_name_of(tz);
  std::ifstream timezone("/etc/timezone");
  std::string line;
  if (std::getline(timezone, line) && !trimmed(line).empty()) return zone_name_of(line);
  std::error_code error;
  const auto target = std::filesystem::read_symlink("/etc/localtime", error);
  return error ? std::string() : zone_name_of(target.string());
}

}  // namespace pelmora::sky
