// Both programs' version information read back the way Explorer's properties read it: the block
// the translation table names, the numbers and the maker's texts of the about page.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "panel/about_text.h"
#include "timetable/edition.h"

namespace orvel {
namespace {

// A host path handed over by the build: under Wine the host's root is drive Z:.
std::filesystem::path HostPath(std::string path) {
  if (!path.empty() && path.front() == '/') path = "Z:" + path;
  return std::filesystem::path(path);
}

std::wstring Wide(std::string_view utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                    nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

std::wstring Hex4(WORD n) {
  std::wstring hex(4, L'0');
  for (int i = 3; i >= 0; --i, n = static_cast<WORD>(n >> 4)) hex[i] = L"0123456789abcdef"[n & 15];
  return hex;
}

class VersionInfo {
 public:
  explicit VersionInfo(const std::filesystem::path& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return;
    data_.resize(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data_.data())) data_.clear();
  }
  bool Loaded() const { return !data_.empty(); }

  const VS_FIXEDFILEINFO* Fixed() const {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
      return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(value);
  }

  // A string of the first language the translation table names, as Explorer picks it; empty
  // when there is none.
  std::wstring String(const wchar_t* name) const {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
        length < 4)
      return {};
    const auto* translation = static_cast<const WORD*>(value);
    const std::wstring path = L"\\StringFileInfo\\" + Hex4(translation[0]) +
                              Hex4(translation[1]) + L"\\" + name;
    if (!VerQueryValueW(data_.data(), path.c_str(), &value, &length) || length == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(value));
  }

 private:
  std::vector<BYTE> data_;
};

struct Program {
  const char* exe;
  Edition edition;
  const wchar_t* fileName;
};

const Program kPrograms[] = {
    {ORVEL2_EXE, Edition::Grid, L"Orvel2.exe"},
    {SCHEDULE_EXE, Edition::Classic, L"Schedule.exe"},
};

TEST(version_info_test, versions_and_maker_are_those_of_the_about_page) {
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(program.exe);
    const VersionInfo info(HostPath(program.exe));
    ASSERT_TRUE(info.Loaded());
    const panel::ProgramVersion version = panel::EditionVersion(program.edition);
    const std::wstring number = std::to_wstring(version.major) + L"." +
                                std::to_wstring(version.minor) + L"." +
                                std::to_wstring(version.revision);
    EXPECT_EQ(info.String(L"FileVersion"), number);
    EXPECT_EQ(info.String(L"ProductVersion"), number);
    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), version.major);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), version.minor);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), version.revision);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    // The about page names the maker (with its former name) and the rights holder.
    const std::vector<std::string> about = Lines(panel::AboutText(version, "x y"));
    ASSERT_EQ(about.size(), 9u);
    const std::wstring company = info.String(L"CompanyName");
    EXPECT_FALSE(company.empty());
    EXPECT_EQ(Wide(about[4]).rfind(company, 0), 0u) << "maker line: " << about[4];
    EXPECT_EQ(info.String(L"LegalCopyright"), Wide(about[6]));
    EXPECT_EQ(info.String(L"OriginalFilename"), program.fileName);
  }
}

TEST(version_info_test, each_program_describes_itself) {
  const VersionInfo grid(HostPath(ORVEL2_EXE));
  const VersionInfo classic(HostPath(SCHEDULE_EXE));
  for (const VersionInfo* info : {&grid, &classic}) {
    EXPECT_FALSE(info->String(L"FileDescription").empty());
    EXPECT_FALSE(info->String(L"ProductName").empty());
  }
  EXPECT_NE(grid.String(L"FileDescription"), classic.String(L"FileDescription"));
  EXPECT_EQ(grid.String(L"ProductName"), classic.String(L"ProductName"));
}

}  // namespace
}  // namespace orvel
