// The formats the picture is saved in, chosen by the file name's extension.
#pragma once

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace pelmora {

enum class PictureFormat { png, svg, pdf };

// The format a name ends in (.png, .svg or .pdf, in any case); none for
// any other name.
inline std::optional<PictureFormat> picture_format_of(std::string_view name) {
  const auto ends_in = [name](std::string_view extension) {
    return name.size() > extension.size() &&
           std::equal(extension.rbegin(), extension.rend(), name.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  };
  if (ends_in(".png")) return PictureFormat::png;
  if (ends_in(".svg")) return PictureFormat::svg;
  if (ends_in(".pdf")) return PictureFormat::pdf;
  return std::nullopt;
}

}  // namespace pelmora
