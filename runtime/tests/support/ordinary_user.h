#pragma once

// Runs our programs as an ordinary user, as people do: CI runs as root, which no
// permission bit stops. The user is "nobody", primary group "nogroup", also in
// "staff" and "users"; its home and state folder are the test's own. Without
// root, or without setpriv, the tests skip.

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/tests/support/child_process.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

struct Ownership {
    uid_t owner;
    gid_t group;
    mode_t mode;
};

inline uid_t UserId(const char* name) { return ::getpwnam(name)->pw_uid; }
inline gid_t GroupId(const char* name) { return ::getgrnam(name)->gr_gid; }

inline void GiveTo(const std::filesystem::path& path, const Ownership& ownership) {
    ASSERT_EQ(::chown(path.c_str(), ownership.owner, ownership.group), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), ownership.mode), 0) << path;
}

inline Ownership OwnershipOf(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return {info.st_uid, info.st_gid, static_cast<mode_t>(info.st_mode & 07777)};
}

inline ino_t InodeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

// The raw value of an extended attribute; empty when it is not there.
inline std::string AttributeOf(const std::filesystem::path& path, const char* name) {
    std::string value(4096, '\0');
    const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
    value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
    return value;
}

// A test whose programs run as the ordinary user, in a scratch folder that user
// can reach.
class OrdinaryUserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0 || !std::filesystem::exists("/usr/bin/setpriv") ||
            ::getpwnam("nobody") == nullptr || ::getgrnam("staff") == nullptr ||
            ::getgrnam("users") == nullptr) {
            GTEST_SKIP() << "needs root and setpriv to run programs as an ordinary user";
        }
        user = {UserId("nobody"), GroupId("nogroup"), 0};
        GiveTo(scratch.Path(), {0, 0, 0755});
        std::filesystem::create_directories(home);
        GiveTo(home, {user.owner, user.group, 0700});
    }

    // A copy of `program` in the scratch folder: the build's own may lie where
    // the ordinary user cannot reach.
    std::string Reachable(const std::filesystem::path& program) {
        const std::filesystem::path copy = scratch / program.filename().string();
        if (!std::filesystem::exists(copy)) std::filesystem::copy_file(program, copy);
        GiveTo(copy, {0, 0, 0755});
        return copy.string();
    }

    ProgramResult RunAsUser(const std::filesystem::path& program,
                            const std::vector<std::string>& arguments) {
        std::vector<std::string> command{"--reuid=nobody",
                                         "--regid=nogroup",
                                         "--groups=staff,users",
                                         "--",
                                         "/usr/bin/env",
                                         "HOME=" + home.string(),
                                         "XDG_STATE_HOME=" + (home / "state").string(),
                                         Reachable(program)};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return RunProgram("/usr/bin/setpriv", command, scratch.Path().string() + ".err");
    }

    // Whether files here take user.* attributes (tmpfs on older kernels does not).
    bool TakesUserAttributes(const std::filesystem::path& file) {
        return ::setxattr(file.c_str(), "user.vortalis.probe", "1", 1, 0) == 0 &&
               ::removexattr(file.c_str(), "user.vortalis.probe") == 0;
    }

    // A file of another user's in a shared folder, which the ordinary user may
    // write through a group: the folder root:staff 0775 without set-group-id,
    // the file daemon:users 0660 with an extended attribute and an access list
    // entry. Empty when the file system takes no attributes here.
    std::filesystem::path MakeSharedFile(const std::vector<std::uint8_t>& content) {
        const std::filesystem::path folder = scratch / "shared";
        std::filesystem::create_directories(folder);
        GiveTo(folder, {0, GroupId("staff"), 0775});
        const std::filesystem::path file = folder / "commun.txt";
        WriteBytes(file, content);
        GiveTo(file, {UserId("daemon"), GroupId("users"), 0660});
        if (!TakesUserAttributes(file)) return {};
        ::setxattr(file.c_str(), "user.vortalis.note", "gardé", 6, 0);
        const std::string acl = "setfacl -m u:daemon:rw " + file.string();
        if (std::system(acl.c_str()) != 0) return {};
        sharedBefore = {OwnershipOf(file), AttributeOf(file, "user.vortalis.note"),
                        AttributeOf(file, "system.posix_acl_access"), InodeOf(file)};
        return file;
    }

    void ExpectSharedFileKept(const std::filesystem::path& file) {
        const Ownership now = OwnershipOf(file);
        EXPECT_EQ(now.owner, sharedBefore.ownership.owner);
        EXPECT_EQ(now.group, sharedBefore.ownership.group);
        EXPECT_EQ(now.mode, sharedBefore.ownership.mode);
        EXPECT_EQ(AttributeOf(file, "user.vortalis.note"), sharedBefore.attribute);
        EXPECT_FALSE(sharedBefore.accessList.empty());
        EXPECT_EQ(AttributeOf(file, "system.posix_acl_access"), sharedBefore.accessList);
        EXPECT_EQ(InodeOf(file), sharedBefore.inode);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                                std::filesystem::directory_iterator()),
                  1);
        EXPECT_TRUE(Backups().empty());
    }

    // A file of the user's own that the user made read-only, in the user's folder.
    std::filesystem::path MakeReadOnlyFile(const std::vector<std::uint8_t>& content) {
        const std::filesystem::path folder = scratch / "mine";
        std::filesystem::create_directories(folder);
        GiveTo(folder, {user.owner, user.group, 0755});
        const std::filesystem::path file = folder / "lecture-seule.txt";
        WriteBytes(file, content);
        GiveTo(file, {user.owner, user.group, 0444});
        readOnlyInode = InodeOf(file);
        return file;
    }

    void ExpectReadOnlyFileUntouched(const std::filesystem::path& file,
                                     const std::vector<std::uint8_t>& content,
                                     const ProgramResult& result) {
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_NE(result.errorOutput.find("70"), std::string::npos) << result.errorOutput;
        EXPECT_EQ(ReadBytes(file), content);
        EXPECT_EQ(OwnershipOf(file).mode, 0444u);
        EXPECT_EQ(InodeOf(file), readOnlyInode);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()),
                                std::filesystem::directory_iterator()),
                  1);
    }

    std::vector<std::string> Backups() {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry :
             std::filesystem::directory_iterator(home / "state" / "vortalis", ignored))
            names.push_back(entry.path().filename().string());
        return names;
    }

    TemporaryFolder scratch;
    std::filesystem::path home = scratch / "home";
    Ownership user{};

  private:
    struct Kept {
        Ownership ownership{};
        std::string attribute;
        std::string accessList;
        ino_t inode = 0;
    } sharedBefore;
    ino_t readOnlyInode = 0;
};

}  // namespace vortalis::testing
