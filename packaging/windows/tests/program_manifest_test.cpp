// Each program's manifest as Windows reads it from the built .exe, before any
// of its code runs: Wine honours none of these settings the way Windows does
// (it has no 260-character limit to lift), so only the resource itself shows
// that a user's Windows is asked for them.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "packaging/windows/tests/built_programs.h"
#include "runtime/process/program_location.h"

namespace vortalis {
namespace {

// The manifest resource (RT_MANIFEST 1) of the executable at `path`, as text;
// empty when the file has none.
std::string ManifestOf(const std::filesystem::path& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) return {};
    std::string text;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        if (HGLOBAL loaded = LoadResource(module, resource)) {
            text.assign(static_cast<const char*>(LockResource(loaded)),
                        SizeofResource(module, resource));
        }
    }
    FreeLibrary(module);
    return text;
}

// The text between `<name` and `</name>`, empty when the element is missing.
std::string Element(const std::string& text, const std::string& name) {
    const std::size_t start = text.find('<' + name);
    const std::size_t end = text.find("</" + name + '>', start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return text.substr(start, end + name.size() + 3 - start);
}

class ProgramManifest : public ::testing::TestWithParam<BuiltProgram> {
  protected:
    std::string manifest =
        ManifestOf((CurrentProgram().folder / GetParam().relativePath).lexically_normal());
};

TEST_P(ProgramManifest, AsksForLongPathsBesideCommonControlsAndDpiAwareness) {
    ASSERT_FALSE(manifest.empty()) << GetParam().name << " has no manifest resource 1";
    const std::string settings = Element(manifest, "windowsSettings");
    const std::string windows2016 =
        "xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\"";
    EXPECT_NE(settings.find("<longPathAware " + windows2016 + ">true</longPathAware>"),
              std::string::npos)
        << manifest;
    EXPECT_NE(settings.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
    EXPECT_NE(settings.find("<dpiAwareness " + windows2016 + ">PerMonitorV2, PerMonitor<"),
              std::string::npos)
        << manifest;
    const std::string dependency = Element(manifest, "dependency");
    EXPECT_NE(dependency.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos)
        << manifest;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ProgramManifest, ::testing::ValuesIn(kBuiltPrograms),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace vortalis
