#include "runtime/files/user_places.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vortalis {
namespace {

class FakePlaces : public UserPlaces {
  public:
    std::set<std::filesystem::path> writable;
    std::set<std::filesystem::path> readable;
    std::map<std::string, std::string> environment;
    std::filesystem::path current = "/srv/travail";

    bool FolderWritable(const std::filesystem::path& folder) const override {
        return writable.contains(folder);
    }
    bool FolderReadable(const std::filesystem::path& folder) const override {
        return readable.contains(folder);
    }
    std::optional<std::string> Environment(const char* name) const override {
        const auto found = environment.find(name);
        if (found == environment.end()) return std::nullopt;
        return found->second;
    }
    std::filesystem::path CurrentFolder() const override { return current; }
};

TEST(IsProductFolder, AWritableFolderOutsideTheSystemsOwnIsTheProducts) {
    FakePlaces places;
    places.writable = {"/home/lea/build/bin", "/usr/libexec/vortalis", "/opt/vortalis",
                       "/usr/local/bin", "/sbin"};
    EXPECT_TRUE(IsProductFolder("/home/lea/build/bin", places));
    EXPECT_FALSE(IsProductFolder("/home/lea/ailleurs", places)) << "not writable";
#ifdef _WIN32
    // A Windows installation keeps the product's files beside it.
    places.writable.insert("C:\\Program Files\\VORTALIS");
    EXPECT_TRUE(IsProductFolder("C:\\Program Files\\VORTALIS", places));
#else
    // Root may write the system's folders; a program there is installed all the same.
    for (const char* installed : {"/usr/libexec/vortalis", "/opt/vortalis", "/usr/local/bin",
                                  "/sbin", "/usr/../usr/bin", "/lib/vortalis", "/bin"}) {
        EXPECT_FALSE(IsProductFolder(installed, places)) << installed;
    }
    places.writable.insert("/usrlocal/bin");
    EXPECT_TRUE(IsProductFolder("/usrlocal/bin", places)) << "a name that only begins alike";
#endif
}

TEST(UserStartFolder, IsTheHomeThenTheCurrentFolderThenTheRoot) {
    FakePlaces places;
    places.environment["HOME"] = "/home/lea";
    places.readable = {"/home/lea", "/srv/travail"};
    EXPECT_EQ(UserStartFolder(places), "/home/lea");
    places.readable.erase("/home/lea");
    EXPECT_EQ(UserStartFolder(places), "/srv/travail") << "a home that cannot be read";
    places.environment.clear();
    EXPECT_EQ(UserStartFolder(places), "/srv/travail") << "no home at all";
    places.readable.clear();
    EXPECT_EQ(UserStartFolder(places), "/");
}

}  // namespace
}  // namespace vortalis
