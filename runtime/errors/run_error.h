#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace vortalis {

// The numbered run-time errors the programs report, with their classic numbers.
namespace run_error {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kDeviceIo = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kDiskNotReady = 71;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace run_error

// The French description that goes with a run-time error number.
std::string_view ClassicDescription(int number);

// The run-time error number for a system error code.
int RunErrorNumber(std::error_code error);

// A numbered run-time error; what() is its description.
class RunError : public std::runtime_error {
  public:
    explicit RunError(int number);  // with the classic description
    RunError(int number, const std::string& description);

    int Number() const { return number_; }
    std::string Description() const { return what(); }

  private:
    int number_;
};

// The error of a rewrite in place for which the user has no folder to keep a
// backup in.
std::error_code NoBackupFolderError();
// The error of a new file that its folder does not let the user create.
std::error_code FolderRefusedError();

// French quotes, held to what they quote by no-break spaces.
std::string InFrench(std::string_view text);

// A whole number as French writes it: 40 960, the thousands apart.
std::string FrenchNumber(std::uint64_t number);

// `error` with what it is about after its description, so that the user reads
// the classic text first and then which file or field and why.
RunError About(const RunError& error, const std::string& what);

// What was being done to a file when the system refused.
enum class FileStep { Reading, Writing };

// Runs `work` under the programs' top-level error policy: a RunError that
// escapes it comes back as the error to report, and so does any standard
// exception, as the run-time error it stands for (standard_exception_error.h;
// a lack of memory is error 7).
std::optional<RunError> ErrorEscaping(const std::function<void()>& work);

// The error for a failed operation on `path`, naming the file and, for a
// refusal, whether reading or writing it was refused.
RunError FileError(std::error_code error, const std::filesystem::path& path,
                   FileStep step = FileStep::Writing);

}  // namespace vortalis
