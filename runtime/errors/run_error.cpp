#include "runtime/errors/run_error.h"

#include <cerrno>
#include <new>

#include "runtime/errors/standard_exception_error.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {

std::string_view ClassicDescription(int number) {
    using namespace run_error;
    switch (number) {
        case kInvalidCall:
            return "Argument ou appel de procédure incorrect";
        case kOverflow:
            return "Dépassement de capacité";
        case kOutOfMemory:
            return "Mémoire insuffisante";
        case kTypeMismatch:
            return "Type incompatible";
        case kBadFileName:
            return "Nom ou numéro de fichier incorrect";
        case kFileNotFound:
            return "Fichier introuvable";
        case kDeviceIo:
            return "Erreur d'entrée/sortie sur le périphérique";
        case kDiskFull:
            return "Disque plein";
        case kInputPastEnd:
            return "Tentative de lecture après la fin du fichier";
        case kDeviceUnavailable:
            return "Périphérique non disponible";
        case kPermissionDenied:
            return "Permission refusée";
        case kDiskNotReady:
            return "Disque non prêt";
        case kPathFileAccess:
            return "Erreur d'accès au chemin ou au fichier";
        case kPathNotFound:
            return "Chemin d'accès introuvable";
        default:
            return "Erreur définie par l'application ou par l'objet";
    }
}

int RunErrorNumber(std::error_code error) {
    using namespace run_error;
    // A system's own code by its portable meaning where it has one: Windows'
    // access denied is 5 there, EIO's number here.
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category())
        error = std::error_code(condition.value(), std::generic_category());
    if (error.category() != std::generic_category() && error.category() != std::system_category()) {
        return kPathFileAccess;
    }
    switch (error.value()) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
            return kPathNotFound;
        case EACCES:
        case EPERM:
        case ETXTBSY:
            return kPermissionDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return kDiskFull;
        case EIO:
            return kDeviceIo;
        case ENOMEM:
            return kOutOfMemory;
        case ENAMETOOLONG:
        case EBADF:
        case EINVAL:
            return kBadFileName;
        case ENODEV:
        case ENXIO:
            return kDeviceUnavailable;
#ifdef ENOMEDIUM
        case ENOMEDIUM:
            return kDiskNotReady;
#endif
        case EOVERFLOW:
            return kOverflow;
        default:
            return kPathFileAccess;  // EROFS, EISDIR, ELOOP, EBUSY and the rest
    }
}

namespace {

enum class RewriteRefusal { NoBackupFolder = 1, FolderRefused };

class RewriteCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "vortalis rewrite"; }
    std::string message(int value) const override {
        return value == static_cast<int>(RewriteRefusal::NoBackupFolder) ? "no folder for a backup"
                                                                         : "folder refused";
    }
};

const RewriteCategory& Rewrite() {
    static const RewriteCategory category;
    return category;
}

}  // namespace

std::error_code NoBackupFolderError() {
    return {static_cast<int>(RewriteRefusal::NoBackupFolder), Rewrite()};
}

std::error_code FolderRefusedError() {
    return {static_cast<int>(RewriteRefusal::FolderRefused), Rewrite()};
}

std::string InFrench(std::string_view text) { return "«\u00A0" + std::string(text) + "\u00A0»"; }

std::string FrenchNumber(std::uint64_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, "\u00A0");
    return digits;
}

RunError About(const RunError& error, const std::string& what) {
    return RunError(error.Number(), error.Description() + "\u00A0: " + what);
}

RunError::RunError(int number) : RunError(number, std::string(ClassicDescription(number))) {}

RunError::RunError(int number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

RunError FileError(std::error_code error, const std::filesystem::path& path, FileStep step) {
    const std::string file = InFrench(Utf8Text(path));
    if (error == NoBackupFolderError()) {
        return RunError(run_error::kPathNotFound,
                        "Aucun dossier où garder une copie de sauvegarde de " + file +
                            " pendant sa réécriture (XDG_STATE_HOME ou HOME). Le fichier n'a pas "
                            "été modifié.");
    }
    if (error == FolderRefusedError()) {
        return About(RunError(run_error::kPermissionDenied),
                     "le dossier " + InFrench(Utf8Text(path.parent_path())) +
                         " n'accepte pas de nouveau fichier");
    }
    // A missing file is "file not found" whether or not its folder is there.
    const RunError classic(RunErrorNumber(error));
    // "Fichier introuvable" says "file" already.
    if (classic.Number() == run_error::kFileNotFound) return About(classic, file);
    if (classic.Number() != run_error::kPermissionDenied) return About(classic, "fichier " + file);
    return About(classic, step == FileStep::Reading
                              ? "le fichier " + file + " ne peut pas être lu"
                              : "le fichier " + file + " ne peut pas être modifié");
}

std::optional<RunError> ErrorEscaping(const std::function<void()>& work) {
    try {
        work();
        return std::nullopt;
    } catch (const RunError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RunError(run_error::kOutOfMemory);
    } catch (const std::filesystem::filesystem_error& error) {
        return FilesystemRunError(error);
    } catch (const std::system_error& error) {
        return SystemRunError(error);
    } catch (const std::exception& error) {
        return UnforeseenRunError(error);
    }
}

}  // namespace vortalis
