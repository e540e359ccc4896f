#pragma once
// Names of a school calendar: its label ("上海2009~2010") and where its file lives.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The leading whole number of a year text ("2009" gives 2009); 0 when the text does not begin
// with one or the number does not fit.
std::int32_t YearTextValue(std::string_view yearText);

// The autumn year that a year text names, when there are term dates for it.
std::optional<std::int16_t> AutumnYearFromText(std::string_view yearText);

// Area text, year text as shown, "~" and the following year: "上海" and "2009" give
// "上海2009~2010".
std::string CalendarLabel(std::string_view areaText, std::string_view yearText);

// label + "学年度校历.csv"; also the name the "in use" warning quotes.
std::string CalendarFileName(std::string_view label);

// programFolder / "csv"
std::filesystem::path CalendarFolder(const std::filesystem::path& programFolder);

// programFolder / "csv" / CalendarFileName(label)
std::filesystem::path CalendarFilePath(const std::filesystem::path& programFolder,
                                       std::string_view label);

}  // namespace orvel
