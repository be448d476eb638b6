#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/errors/run_error.h"
#include "runtime/tests/support/fake_user_places.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"
#include "sealbox/core/folder_reader.h"
#include "sealbox/core/sealbox_frm.h"
#include "sealbox/core/sealbox_services.h"

namespace vortalis::testing {

// Boxes that keep what they said, in order; the loss question is answered with
// `goOn`.
struct FakeDialogs : sealbox::SealboxDialogs {
    std::vector<std::string> seen;
    bool goOn = false;
    void Show(const std::string& text) override { seen.push_back(text); }
    bool ConfirmLoss(std::uint64_t lostBytes) override {
        seen.push_back("? " + std::to_string(lostBytes));
        return goOn;
    }
    void ReportError(const RunError& error) override {
        seen.push_back("Erreur " + std::to_string(error.Number()));
    }
};

struct FakeEndSound : sealbox::EndSound {
    std::filesystem::path file;
    int plays = 0;
    void SetFileName(const std::filesystem::path& name) override { file = name; }
    void Play() override { ++plays; }
};

struct FakeProgramEnd : sealbox::ProgramEnd {
    std::optional<int> exitCode;
    void End(int code) override { exitCode = code; }
};

struct FakeVolumes : sealbox::VolumeList {
    std::vector<std::string> mountPoints;
    std::vector<std::string> MountPoints() override { return mountPoints; }
};

// Folders a test lists by their normal paths; any other is not there, as the
// system's reader says of a missing folder.
struct FakeFolders : sealbox::FolderReader {
    struct Listing {
        std::vector<std::string> subfolders;
        std::vector<std::string> files;
    };
    std::map<std::string, Listing> folders;
    std::set<std::string> filesUnreadable;  // listed, but their files refused

    std::vector<std::string> Subfolders(const std::string& folder) override {
        return Find(folder).subfolders;
    }
    std::vector<std::string> OrdinaryFiles(const std::string& folder) override {
        if (filesUnreadable.contains(folder)) throw RunError(run_error::kPermissionDenied);
        return Find(folder).files;
    }

  private:
    const Listing& Find(const std::string& folder) const {
        const auto found = folders.find(folder);
        if (found == folders.end()) throw RunError(run_error::kPathNotFound);
        return found->second;
    }
};

// Every service the form asks for, faked, over a scratch folder that plays the
// program's folder, on a volume of its own.
struct FakeSealboxServices {
    TemporaryFolder folder;
    std::filesystem::path program = folder / "programme";
    FakeDialogs dialogs;
    FakeEndSound sound;
    FakeProgramEnd end;
    FakeVolumes volumes;
    FakeFolders folders;
    FakeUserPlaces places;

    FakeSealboxServices() {
        // The program's folder is its own (a build or an unpacked copy).
        places.everyFolderWritable = true;
        places.everyFolderReadable = true;
        std::filesystem::create_directory(program);
        volumes.mountPoints = {"/", Shown(folder.Path())};
        folders.folders[Shown(folder.Path())] = {{"programme"}, {"racine.txt"}};
        folders.folders[Shown(program)] = {{"donnees"}, {"lisez-moi.txt"}};
        folders.folders[Shown(program / "donnees")] = {{}, {"a.txt", "b.txt"}};
    }

    // A folder's path as the lists show it, with the system's separator.
    static std::string Shown(std::filesystem::path path) { return Utf8Text(path.make_preferred()); }

    sealbox::SealboxServices Services(FileSystem& files = SystemFiles()) {
        return {dialogs, sound, end, volumes, folders, files, places};
    }
    sealbox::SealboxStart Start(const std::string& commandLine) const {
        return {commandLine, {program, "Sealbox", "Sealbox"}};
    }
};

}  // namespace vortalis::testing
