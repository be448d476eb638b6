#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/errors/run_error.h"
#include "runtime/files/file_system.h"
#include "runtime/files/user_places.h"
#include "sealbox/core/folder_reader.h"

namespace vortalis::sealbox {

// The platform things the form logic asks for, behind small interfaces so that tests
// answer the boxes, hear no sound and end no process.
class SealboxDialogs {
  public:
    virtual ~SealboxDialogs() = default;
    // A box with an OK button and no icon, titled with the program's title.
    virtual void Show(const std::string& text) = 0;
    // Whether to go on although `lostBytes` bytes 255 will decipher as 0 (default: no).
    virtual bool ConfirmLoss(std::uint64_t lostBytes) = 0;
    // The top-level report of an error that no handler traps.
    virtual void ReportError(const RunError& error) = 0;
};

class EndSound {
  public:
    virtual ~EndSound() = default;
    virtual void SetFileName(const std::filesystem::path& file) = 0;
    // Returns once the sound has finished, or at once when it cannot be heard.
    virtual void Play() = 0;
};

class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void End(int exitCode) = 0;
};

class VolumeList {
  public:
    virtual ~VolumeList() = default;
    // The mount points of the mounted volumes.
    virtual std::vector<std::string> MountPoints() = 0;
};

struct SealboxServices {
    SealboxDialogs& dialogs;
    EndSound& endSound;
    ProgramEnd& programEnd;
    VolumeList& volumes;
    FolderReader& folders;
    FileSystem& files;
    const UserPlaces& places;
};

}  // namespace vortalis::sealbox
