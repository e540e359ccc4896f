#pragma once
// CSES (Class Schedule Exchange Schema), the exchange format of class-timetable programs, mapped
// to and from the timetable file's table. Pure functions over UTF-8 texts: no file, no codec (a
// CSES file is UTF-8 always, never the ANSI code page).
//
// CSES version 1: version: 1; subjects: [{name, simplified_name?, teacher?, room?}]; schedules:
// [{name, enable_day 1-7 (Monday = 1), weeks: all | odd | even, classes: [{subject, start_time
// "HH:MM:SS", end_time "HH:MM:SS"}]}].
// Version 2 drops weeks for configuration.cycle: spans [{activity: work | rest, count}] that
// repeat; enable_day lists working days of that cycle (the k-th work day counted from its start),
// and a subject's room is called location.
//
// The timetable side: row 0 "节次", "时间", "星期一" ...; one row per period with "第N节" in column
// 0 and its span in column 1 as the clock reads it ("8:00-8:45"); weekday d (Monday = 1) in column
// d + 1. A cell "odd/even" holds the odd-week and the even-week class of an alternating period.
#include <optional>
#include <string>
#include <string_view>

#include "timetable/timetable.h"

namespace orvel::exchange {

// What a CSES text was refused for; the shell says it to the user.
enum class CsesProblem {
  None,
  // The YAML read.
  NotYaml,
  NestedTooDeep,    // past kMaxYamlDepth
  AliasedTooMuch,   // past kMaxYamlAliasedNodes, or an alias inside what it names
  KeyTwice,         // `key` twice in one mapping
  // The document.
  Empty,
  NotCses,          // not a mapping
  NoVersion,
  UnknownVersion,   // `found`
  NotAList,         // `key` of `part` holds `found`
  MissingKey,       // `part` lacks `key`
  // Version 2's cycle.
  NoCycle,
  CycleNotAMapping,  // `found`
  SpanNotAMapping,   // `found`
  UnknownActivity,   // `found`
  CountNotDays,      // `found`
  CycleLength,       // `number` days
  // Subjects, schedules and classes.
  SubjectNotAMapping,   // `found`
  SubjectNameNotText,   // `found`
  ScheduleNotAMapping,  // `found`; `version2` without weeks
  DayListInVersion1,
  UnknownWeekday,   // `found`
  UnknownWeeks,     // `found`
  WeeksInVersion2,  // `found`
  DayNotInCycle,    // `found`, `number` working days in the cycle
  TooManyClasses,   // past kMaxCsesClasses
  ClassNotAMapping,  // `found`
  UnknownSubject,   // `found`
  TooManyPeriods,   // more than kMaxRows - 1
  NotATime,         // `part` StartTime or EndTime holds `found`
};

// The part of the file a refusal names.
enum class CsesPart { Subjects, Subject, Schedules, Schedule, Classes, Class, Cycle, Spans, Span,
                      StartTime, EndTime };

// What the file holds where a refusal points: a text (its first 30 bytes or so, cut between
// characters, `cut` then) or a list, a mapping or nothing.
struct CsesFound {
  enum class Kind { Text, List, Map, Nothing } kind = Kind::Nothing;
  std::string text;
  bool cut = false;
  friend bool operator==(const CsesFound&, const CsesFound&) = default;
};

// Why a CSES text was refused: the first problem found.
struct CsesRefusal {
  int line = 0;  // counted from 1; 0 when the problem is not on one line (an empty text)
  CsesProblem problem = CsesProblem::None;
  CsesPart part = CsesPart::Subjects;
  std::string key;  // a key of the file
  CsesFound found;
  long long number = 0;
  bool version2 = false;
  friend bool operator==(const CsesRefusal&, const CsesRefusal&) = default;
};

struct CsesImport {
  std::optional<Timetable> timetable;  // the whole timetable, or nothing when refused
  CsesRefusal refusal;                 // problem None when the import succeeded
};

// A CSES text, version 1 or 2, to a timetable.
//
// Rows: one per distinct (start, end) pair of all classes, sorted by start (then end). Columns:
// Monday to Friday always; up to Saturday's or Sunday's column when a schedule is enabled on it.
// A cell: the subject name of the class of that day and time. Where odd and even weeks differ
// it reads "odd/even", with one side empty when only one week has a class.
//
// Taken as other programs write it: enable_day of version 1 as 1-7 or as mon ... sun or monday
// ... sunday in any case; times as the clock reads them ("08:00:00", "8:00") or as a whole number
// of seconds after midnight; a class whose subject is null or empty is a free period and gives
// nothing; keys the import does not use are ignored.
//
// Version 2: the cycle is taken to begin on a Monday (the file names no date). A cycle of 7 days
// is a week, each working day on the weekday it falls; one of 14 days is an odd week followed by
// an even week. A weeks other than all is refused there, since the cycle already says the weeks.
//
// Where CSES says more than one cell can hold:
// - A class of an odd or even schedule stands in for an all-weeks class at the same day and time
//   in its weeks; the all-weeks class keeps the other weeks ("all" 数学 + "odd" 物理 =
//   "物理/数学").
// - Different classes of the same weeks at one day and time are all kept, joined with "、" in file
//   order; the same subject twice is one class.
// - Subject names cannot hold what the timetable file cannot carry: a comma becomes the
//   full-width "，", a double quote the full-width "＂", and a line break or tab a blank.
//
// Refused, naming the first problem and its line: text that is not YAML or not a mapping, or
// that ParseYaml does not take (collections nested too deep, aliases standing for too much, a key
// twice in one mapping, such as two schedules:); no version, or a version other than 1 or 2;
// subjects or schedules, or one of their entries, not shaped as CSES says (a subject without a
// name, a schedule without enable_day, or weeks in version 1, a class without subject, start_time
// or end_time); a time outside 0:00:00-23:59:59; a day outside 1-7 and the weekday names; weeks
// other than all, odd or even; a list enable_day in a version 1 file; a version 2 file without
// configuration.cycle, with a cycle of other than 7 or 14 days, or with an enable_day that is not
// one of its working days; a class whose subject is missing from subjects; more periods than a
// timetable holds (kMaxRows - 1); more than kMaxCsesClasses classes (a class on several days
// counts once for each).
//
// A schedule's name and a subject's simplified name, teacher and room or location are not shown;
// a class that ends before it starts is taken as it stands.
CsesImport ImportCses(std::string_view utf8);

// A YAML mapping with a version and schedules, as every CSES file has, whether ImportCses takes it
// or not: a file an export may replace.
bool LooksLikeCses(std::string_view utf8);

// A bound that keeps a small file of YAML aliases (one class list named a million times) from
// taking minutes; a real week has a few hundred classes.
inline constexpr int kMaxCsesClasses = 100000;

struct CsesExport {
  std::string yaml;      // the CSES text, UTF-8
  int cellsLeftOut = 0;  // non-empty body cells that gave no class
};

// A timetable to CSES text.
//
// Classes: the rows whose time column the clock can read (a span "start-end" split at the first
// "-", each side a time of day), each non-empty cell of the columns Monday to Sunday, sorted by
// start time. A column with a class gives one schedule (weeks all), or two (odd and even) when one
// of its cells reads "odd/even" (split at the first "/"); then its plain cells are in both.
// Subjects: the distinct class names, in the order first used. Times are written HH:MM:SS.
//
// Left out, and counted: non-empty body cells (row 1 on, column 2 on) of rows without a readable
// time, of columns past Sunday's, and cells that are only "/".
CsesExport ExportCses(const Timetable& timetable);

}  // namespace orvel::exchange
