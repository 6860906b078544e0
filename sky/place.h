// Where the user stands: a latitude and longitude given as numbers, or the
// place of a time zone (or its city) from the time zone database's tables.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora::sky {

struct Place {
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  std::string name;      // the zone ("Europe/Madrid"), or the numbers as given
  // No row for the zone (UTC, or a zone written as rules): 0, 0 stands in.
  bool unknown = false;
};

// A row of zone1970.tab or zone.tab: the zone and its principal city's place.
struct ZoneRow {
  std::string zone;
  double latitude = 0, longitude = 0;
};

inline constexpr const char* kZoneTable = "/usr/share/zoneinfo/zone1970.tab";
// Zones that zone1970.tab folds into another with the same clocks since
// 1970 keep their own city's row here.
inline constexpr const char* kCountryZoneTable = "/usr/share/zoneinfo/zone.tab";

// The rows of a table (comments and malformed lines are skipped).
std::vector<ZoneRow> read_zone_rows(std::istream& table);
// Both tables, zone1970.tab first; empty when neither can be read.
std::vector<ZoneRow> system_zone_rows();

// A zone by its name or its city's ("Europe/Madrid", "madrid", "New York"),
// case-insensitive, a blank matching an underscore.
const ZoneRow* find_zone(const std::vector<ZoneRow>& rows, std::string_view name);

// "LAT,LON" in decimal degrees, or a zone or city; otherwise one line
// saying what was wrong.
std::variant<Place, std::string> parse_place(std::string_view text, const std::vector<ZoneRow>& rows);

// The zone's place, or 0, 0 marked unknown when it has no row.
Place zone_place(std::string_view zone, const std::vector<ZoneRow>& rows);

// The computer's time zone: TZ, else /etc/timezone, else the zone that
// /etc/localtime links to; "" when none can be told.
std::string system_zone_name();
// The zone's name from a TZ value or a path into the zone files: ":Europe/Madrid",
// "/usr/share/zoneinfo/Europe/Madrid" and "Europe/Madrid" all give "Europe/Madrid".
std::string zone_name_of(std::string_view value);

}  // namespace pelmora::sky
