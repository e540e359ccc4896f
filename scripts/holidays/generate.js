#!/usr/bin/env node
// Writes src/calendar/holiday_table.inc: the official public holidays and make-up workdays of
// the whole country, as the State Council announces them each year, for the years the programs
// know built in.
//
//   node generate.js                 the dates of chinese-days (npm ci first), 2020-2026
//   node generate.js --from DIR      the year files of holiday-cn in DIR (2027.json...), every
//                                    year whose file lists days; no network, no packages
//   ... --out FILE                   writes FILE instead of the table in the tree
//
// A few announced dates are checked by hand below, and every year must have its New Year's Day
// and National Day; any disagreement stops the script before it writes anything.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

const FIRST_YEAR = 2020;
const LAST_YEAR = 2026;
const TABLE = path.resolve(__dirname, '../../src/calendar/holiday_table.inc');
const DATA = path.join(__dirname, 'node_modules', 'chinese-days', 'dist', 'chinese-days.json');

// Announced dates: [date, kind, name].
const KNOWN = [
  ['2020-01-01', 'off', '元旦'],
  ['2020-01-19', 'work', '春节'],
  ['2023-01-28', 'work', '春节'],
  ['2024-02-04', 'work', '春节'],
  ['2025-01-26', 'work', '春节'],
  ['2026-01-04', 'work', '元旦'],
  ['2026-10-01', 'off', '国庆节'],
  ['2026-10-07', 'off', '国庆节'],
  ['2026-10-10', 'work', '国庆节'],
];
// Dates that are ordinary days: neither off nor a make-up workday.
const ORDINARY = ['2026-10-08', '2026-10-11', '2026-09-28'];

function versionOf(name) {
  const file = path.join(__dirname, 'node_modules', name, 'package.json');
  return JSON.parse(fs.readFileSync(file, 'utf8')).version;
}

// "Spring Festival,春节,4" -> "春节"
function chineseName(value) {
  const parts = String(value).split(',');
  if (parts.length < 2 || !parts[1]) throw new Error(`no Chinese name in "${value}"`);
  return parts[1];
}

function weekend(date) {
  const day = new Date(`${date}T00:00:00Z`).getUTCDay();
  return day === 0 || day === 6;
}

// The chinese-days package's dates of FIRST_YEAR..LAST_YEAR.
function chineseDaysRows() {
  const data = JSON.parse(fs.readFileSync(DATA, 'utf8'));
  const rows = [];
  for (const [kind, table] of [['off', data.holidays], ['work', data.workdays]]) {
    for (const [date, value] of Object.entries(table)) {
      const m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(date);
      if (!m) throw new Error(`odd date "${date}"`);
      const year = Number(m[1]);
      if (year < FIRST_YEAR || year > LAST_YEAR) continue;
      rows.push({ date, year, month: Number(m[2]), day: Number(m[3]), kind, name: chineseName(value) });
    }
  }
  return { rows, source: `chinese-days ${versionOf('chinese-days')}, ${FIRST_YEAR}-${LAST_YEAR}` };
}

// The holiday-cn year files of `folder`: {"year", "days": [{"name", "date", "isOffDay"}]}. A file
// whose list is empty (a year not yet announced) gives nothing. The data set lists a weekday
// worked as usual after an extended holiday (2020-02-03) as a workday too: not a make-up day.
function holidayCnRows(folder) {
  const rows = [];
  const years = [];
  for (const file of fs.readdirSync(folder).filter((f) => /^\d{4}\.json$/.test(f)).sort()) {
    const year = Number(file.slice(0, 4));
    const data = JSON.parse(fs.readFileSync(path.join(folder, file), 'utf8'));
    if (data.year !== undefined && data.year !== year) throw new Error(`${file} says year ${data.year}`);
    if (!Array.isArray(data.days)) throw new Error(`${file} has no days list`);
    if (data.days.length === 0) continue;
    years.push(year);
    for (const d of data.days) {
      const m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(d.date);
      // A year's New Year holiday may begin in the last days of the year before (2022-12-31).
      const yearEnd = m && Number(m[1]) === year - 1 && d.date.slice(5) >= '12-25';
      if (!m || (Number(m[1]) !== year && !yearEnd)) throw new Error(`${file}: odd date "${d.date}"`);
      if (typeof d.isOffDay !== 'boolean' || typeof d.name !== 'string') {
        throw new Error(`${file}: ${d.date} has no name or isOffDay`);
      }
      // The name becomes a C++ string literal.
      if (/["\\\x00-\x1f]/.test(d.name)) throw new Error(`${file}: ${d.date} has an odd name`);
      if (!d.isOffDay && !weekend(d.date)) continue;
      rows.push({
        date: d.date, year: Number(m[1]), month: Number(m[2]), day: Number(m[3]),
        kind: d.isOffDay ? 'off' : 'work', name: d.name,
      });
    }
  }
  if (years.length === 0) throw new Error(`no year file with days in ${folder}`);
  const span = years.length === 1 ? `${years[0]}` : `${years[0]}-${years[years.length - 1]}`;
  return { rows, source: `holiday-cn year files, ${span}` };
}

function option(name) {
  const at = process.argv.indexOf(name);
  if (at < 0) return undefined;
  if (at + 1 >= process.argv.length) throw new Error(`${name} needs a value`);
  return process.argv[at + 1];
}

function main() {
  const from = option('--from');
  const output = path.resolve(option('--out') || TABLE);
  const { rows, source } = from ? holidayCnRows(path.resolve(from)) : chineseDaysRows();
  const years = [...new Set(rows.map((r) => r.year))];
  rows.sort((a, b) => (a.date < b.date ? -1 : a.date > b.date ? 1 : 0));

  const problems = [];
  for (let i = 1; i < rows.length; ++i) {
    if (rows[i].date === rows[i - 1].date) problems.push(`${rows[i].date} is both off and a workday`);
  }
  for (const [date, kind, name] of KNOWN) {
    if (!years.includes(Number(date.slice(0, 4)))) continue;
    const row = rows.find((r) => r.date === date);
    // Data sets name a few holidays differently ("国庆节、中秋节"); the date and kind must agree.
    if (!row || row.kind !== kind || (!from && row.name !== name)) {
      problems.push(`${date}: got ${row ? `${row.kind} ${row.name}` : 'nothing'}, want ${kind} ${name}`);
    }
  }
  for (const date of ORDINARY) {
    if (rows.some((r) => r.date === date)) problems.push(`${date} should be an ordinary day`);
  }
  for (const year of years) {
    for (const md of ['01-01', '10-01']) {
      if (!rows.some((r) => r.date === `${year}-${md}` && r.kind === 'off')) {
        problems.push(`${year}-${md} is not a holiday`);
      }
    }
  }
  if (problems.length > 0) {
    console.error('holiday_table.inc not written:');
    for (const p of problems) console.error(`  ${p}`);
    process.exit(1);
  }

  const kindName = { off: 'NationalDayKind::Holiday', work: 'NationalDayKind::MakeUpWorkday' };
  const names = [...new Set(rows.map((r) => r.name))];
  const lines = [
    '// Generated by scripts/holidays/generate.js; do not edit by hand.',
    `// Source: ${source}, checked against the`,
    '// announced dates:',
    ...KNOWN.filter((k) => years.includes(Number(k[0].slice(0, 4))))
      .map((k) => `//   ${k[0]} ${k[1] === 'off' ? 'off' : 'make-up workday'} (${k[2]})`),
    from
      ? '// Regenerate: cd scripts/holidays && npm run generate -- --from FOLDER'
      : '// Regenerate: cd scripts/holidays && npm ci && npm run generate',
    '// The holidays\' names, then {year, month, day, kind, name\'s index} in date order.',
    '#ifdef HOLIDAY_NAMES',
    ...names.map((n) => `"${n}",`),
    '#else',
    ...rows.map((r) => `{${r.year}, ${r.month}, ${r.day}, ${kindName[r.kind]}, ${names.indexOf(r.name)}},`),
    '#endif',
    '',
  ];
  fs.writeFileSync(output, lines.join('\n'));
  console.log(`wrote ${rows.length} entries to ${path.relative(process.cwd(), output)}`);
}

main();
