#include "keyfold/core/keyfold_run.h"

#include <filesystem>
#include <vector>

#include "cipher/keyed_shift_cipher.h"
#include "keyfold/core/keyfold_command_line.h"
#include "runtime/errors/run_error.h"
#include "runtime/files/read_file_start.h"
#include "runtime/files/rewrite_recovery.h"
#include "runtime/files/safe_file_writer.h"
#include "runtime/text/ansi_text.h"
#include "runtime/text/utf8_path.h"

namespace vortalis::keyfold {
namespace {

constexpr const char* kCommandLine = "Keyfold \"FICHIER,MOT DE PASSE,C|D\"";

// Before the mode: an empty command line names no file, and says the form of one.
void RefuseUnnamedFile(const KeyfoldFields& fields) {
    if (!fields.fileName.empty()) return;
    throw About(RunError(run_error::kBadFileName),
                std::string("aucun fichier nommé. Ligne de commande : ") + kCommandLine);
}

CipherMode ModeOf(const KeyfoldFields& fields) {
    if (const std::optional<CipherMode> mode = ParseKeyfoldMode(fields.mode)) return *mode;
    throw RunError(run_error::kInvalidCall,
                   "Mode « " + fields.mode +
                       " » inconnu : « C » pour crypter, « D » pour décrypter. "
                       "Rien n'a été écrit. Ligne de commande : " +
                       kCommandLine);
}

// The password is keyed by its Windows-1252 bytes, so that a password typed here
// in UTF-8 gives the same file as on Windows, where the command line arrives in
// that code page already.
std::string PasswordOf(const KeyfoldFields& fields) {
    try {
        return CommandLineAnsi(fields.password);
    } catch (const AnsiConversionError& error) {
        throw RunError(run_error::kInvalidCall,
                       std::string("Mot de passe refusé : ") + error.what() + ".");
    }
}

RunError TooLarge(const std::filesystem::path& path, std::uint64_t size) {
    return About(RunError(run_error::kOverflow),
                 "le fichier " + InFrench(Utf8Text(path)) + " fait " + FrenchNumber(size) +
                     " octets ; Keyfold en traite " + FrenchNumber(kKeyfoldLargestFile) +
                     " au plus");
}

// Checks the length before opening, then reads to the end: a file that grew in
// between is still caught by the limit.
std::vector<std::uint8_t> ReadSmallFile(const std::filesystem::path& path, FileSystem& files) {
    FileStatus status;
    if (std::error_code error = files.Status(path, status))
        throw FileError(error, path, FileStep::Reading);
    if (!status.isRegular) {
        throw About(RunError(run_error::kPathFileAccess),
                    InFrench(Utf8Text(path)) + " n'est pas un fichier");
    }
    if (status.size > kKeyfoldLargestFile) throw TooLarge(path, status.size);

    std::vector<std::uint8_t> bytes = ReadFileStart(path, kKeyfoldLargestFile + 1, files);
    if (bytes.size() > kKeyfoldLargestFile) throw TooLarge(path, bytes.size());
    return bytes;
}

// A letter the ANSI code page lacks reaches Keyfold as another ("?", or a look-
// alike): the name would name no file, or another file than the one typed.
void RefuseNameLostInTheCodePage(const std::filesystem::path& path,
                                 std::string_view shownCommandLine) {
    if (shownCommandLine.empty()) return;
    const std::string shown = SplitKeyfoldCommandLine(shownCommandLine).fileName;
    if (shown == Utf8Text(path)) return;
    throw About(RunError(run_error::kFileNotFound),
                InFrench(shown) +
                    ", dont des caractères n'existent pas dans la page de code ANSI du "
                    "système. Rien n'a été écrit.");
}

void RefuseUnrecoverableBytes(const KeyedShiftCipher& cipher) {
    if (cipher.UnrecoverableBytes() == 0) return;
    throw RunError(
        run_error::kInvalidCall,
        "Le fichier contient " + std::to_string(cipher.UnrecoverableBytes()) +
            " octet(s) de valeur 255 que ce mot de passe ne permettrait pas de "
            "retrouver au décryptage (ils reviendraient à 0). Le fichier n'a pas été modifié.");
}

}  // namespace

void RunKeyfold(std::string_view commandLine, FileSystem& files,
                std::string_view shownCommandLine) {
    // A run killed while rewriting a file in place left its original aside.
    RecoverInterruptedRewrites(files);
    const KeyfoldFields fields = SplitKeyfoldCommandLine(commandLine);
    RefuseUnnamedFile(fields);
    const CipherMode mode = ModeOf(fields);
    KeyedShiftCipher cipher;
    cipher.Start(PasswordOf(fields), mode);

    const std::filesystem::path path = CommandLinePath(fields.fileName);
    RefuseNameLostInTheCodePage(path, shownCommandLine);
    const std::vector<std::uint8_t> original = ReadSmallFile(path, files);
    const std::vector<std::uint8_t> transformed = cipher.Transform(original);
    RefuseUnrecoverableBytes(cipher);
    if (std::error_code error = WriteWholeFile(path, transformed, files)) {
        throw FileError(error, path);
    }
}

}  // namespace vortalis::keyfold
