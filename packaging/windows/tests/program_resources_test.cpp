// Each program's icon and version information as Windows reads them from the
// built .exe: Explorer, the task bar and the file's properties show nothing
// else, and Wine draws a missing size from another without a word.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "packaging/windows/tests/built_programs.h"
#include "runtime/process/program_location.h"

namespace vortalis {
namespace {

std::string_view ResourceBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
    HRSRC resource = FindResourceW(module, name, type);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    if (loaded == nullptr) return {};
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, resource)};
}

class ProgramResources : public ::testing::TestWithParam<BuiltProgram> {
  protected:
    std::filesystem::path path =
        (CurrentProgram().folder / GetParam().relativePath).lexically_normal();
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);

    ~ProgramResources() override { FreeLibrary(module); }
};

// Every size the system picks at 100 % to 150 % and for Explorer's largest
// views, each made into an icon by the system; the largest as PNG.
TEST_P(ProgramResources, IconHoldsEverySizeTheSystemAsksFor) {
    ASSERT_NE(module, nullptr) << path;
    const std::string_view group = ResourceBytes(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6U) << GetParam().name << " has no icon";
    std::vector<int> sizes;
    // After the 6-byte header, 14 bytes an entry: the width first (0 for 256),
    // the resource's number last.
    for (std::size_t entry = 6; entry + 14 <= group.size(); entry += 14) {
        const int size =
            static_cast<BYTE>(group[entry]) == 0 ? 256 : static_cast<BYTE>(group[entry]);
        WORD id = 0;
        std::memcpy(&id, group.data() + entry + 12, sizeof id);
        const std::string_view picture = ResourceBytes(module, MAKEINTRESOURCEW(id), RT_ICON);
        EXPECT_EQ(picture.starts_with("\x89PNG\r\n\x1a\n"), size == 256) << size;
        HICON icon = CreateIconFromResourceEx(
            reinterpret_cast<PBYTE>(const_cast<char*>(picture.data())),
            static_cast<DWORD>(picture.size()), TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << "no icon made of the " << size << "-pixel picture";
        DestroyIcon(icon);
        sizes.push_back(size);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST_P(ProgramResources, VersionInformationNamesItsCopyrightInFrench) {
    std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_FALSE(block.empty()) << GetParam().name << " has no version information";
    ASSERT_TRUE(
        GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040C04E4\\LegalCopyright",
                               reinterpret_cast<void**>(&text), &length))
        << GetParam().name << " has no LegalCopyright";
    // The years follow packaging/copyright; the accents show that windres read the text as UTF-8.
    const std::wstring copyright(text);
    EXPECT_TRUE(copyright.starts_with(L"© 2") &&
                copyright.ends_with(L" l'éditeur de VORTALIS. Tous droits réservés."))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ProgramResources, ::testing::ValuesIn(kBuiltPrograms),
                         [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
}  // namespace vortalis
