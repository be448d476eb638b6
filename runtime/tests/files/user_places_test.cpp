#include "runtime/files/user_places.h"

#include <gtest/gtest.h>

#include "runtime/tests/support/fake_user_places.h"

namespace vortalis {
namespace {

using testing::FakeUserPlaces;

TEST(IsProductFolder, AWritableFolderOutsideTheSystemsOwnIsTheProducts) {
    FakeUserPlaces places;
    places.writable = {"/home/lea/build/bin", "/usr/libexec/vortalis", "/opt/vortalis",
                       "/usr/local/bin", "/sbin"};
    EXPECT_TRUE(IsProductFolder("/home/lea/build/bin", places));
    EXPECT_FALSE(IsProductFolder("/home/lea/ailleurs", places)) << "not writable";
#ifdef _WIN32
    // An administrator may write Program Files; a program there is installed all the same.
    places.environment = {{"ProgramFiles", "C:\\Program Files"},
                          {"ProgramFiles(x86)", "C:\\Program Files (x86)"},
                          {"SystemRoot", "C:\\Windows"}};
    for (const char* installed : {"C:\\Program Files\\VORTALIS", "c:\\program files\\vortalis",
                                  "C:\\Program Files (x86)\\VORTALIS", "C:\\WINDOWS\\System32",
                                  "C:\\Program Files\\..\\Program Files\\VORTALIS"}) {
        places.writable.insert(installed);
        EXPECT_FALSE(IsProductFolder(installed, places)) << installed;
    }
    places.writable.insert("C:\\Program Files Extra\\VORTALIS");
    EXPECT_TRUE(IsProductFolder("C:\\Program Files Extra\\VORTALIS", places))
        << "a name that only begins alike";
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
    FakeUserPlaces places;
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

#ifdef _WIN32
TEST(UserStartFolder, IsTheDocumentsFolderOnWindows) {
    FakeUserPlaces places;
    places.documents = "C:\\Users\\lea\\Documents";
    places.environment["USERPROFILE"] = "C:\\Users\\lea";
    places.readable = {"C:\\Users\\lea\\Documents", "C:\\Users\\lea"};
    EXPECT_EQ(UserStartFolder(places), "C:\\Users\\lea\\Documents");
    places.readable.erase("C:\\Users\\lea\\Documents");
    EXPECT_EQ(UserStartFolder(places), "C:\\Users\\lea") << "Documents cannot be read";
}
#endif

}  // namespace
}  // namespace vortalis
