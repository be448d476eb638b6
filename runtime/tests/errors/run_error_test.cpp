#include "runtime/errors/run_error.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/errors/error_report.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/utf8_path.h"

namespace vortalis {
namespace {

TEST(RunError, SystemErrorsTakeTheirClassicNumbers) {
    auto number = [](std::errc error) { return RunErrorNumber(std::make_error_code(error)); };
    EXPECT_EQ(number(std::errc::no_such_file_or_directory), 53);
    EXPECT_EQ(number(std::errc::permission_denied), 70);
    EXPECT_EQ(number(std::errc::no_space_on_device), 61);
    EXPECT_EQ(number(std::errc::io_error), 57);
    EXPECT_EQ(number(std::errc::not_enough_memory), 7);
    EXPECT_EQ(number(std::errc::not_a_directory), 76);
    EXPECT_EQ(number(std::errc::read_only_file_system), 75);
    EXPECT_EQ(number(std::errc::is_a_directory), 75);
}

TEST(RunError, AMissingFileIsFileNotFoundWhetherOrNotItsFolderIsThere) {
    testing::TemporaryFolder folder;
    const auto missing = std::make_error_code(std::errc::no_such_file_or_directory);
    EXPECT_EQ(FileError(missing, folder / "absent.txt").Number(), 53);
    EXPECT_EQ(FileError(missing, folder.Path() / "no-such-folder" / "absent.txt").Number(), 53);
    // Named once, not "Fichier introuvable : fichier ...".
    EXPECT_EQ(std::string(FileError(missing, "/srv/absent.txt").what()),
              "Fichier introuvable\u00A0: «\u00A0/srv/absent.txt\u00A0»");
}

TEST(RunError, ARefusalSaysWhetherReadingTheFileWritingItOrItsFolderWasRefused) {
    const auto refused = std::make_error_code(std::errc::permission_denied);
    const RunError reading = FileError(refused, "/srv/lettre.txt", FileStep::Reading);
    const RunError writing = FileError(refused, "/srv/lettre.txt", FileStep::Writing);
    const RunError folder = FileError(FolderRefusedError(), "/srv/lettre.txt");
    for (const RunError& error : {reading, writing, folder}) {
        EXPECT_EQ(error.Number(), 70);
        EXPECT_TRUE(error.Description().starts_with("Permission refusée")) << error.what();
    }
    EXPECT_NE(reading.Description(), writing.Description());
    EXPECT_NE(reading.Description().find("/srv/lettre.txt"), std::string::npos);
    EXPECT_NE(writing.Description().find("/srv/lettre.txt"), std::string::npos);
    EXPECT_EQ(folder.Description().find("lettre.txt"), std::string::npos)
        << "the folder, not the file";
    EXPECT_NE(folder.Description().find("/srv"), std::string::npos);
}

TEST(RunError, AStandardExceptionEscapingAHandlerComesBackAsTheRunErrorItStandsFor) {
    testing::TemporaryFolder folder;
    const std::filesystem::path missing = folder.Path() / Utf8Path("Hélène") / "absent.txt";
    const auto sizeOfMissing = ErrorEscaping([&] { (void)std::filesystem::file_size(missing); });
    ASSERT_TRUE(sizeOfMissing);
    EXPECT_EQ(sizeOfMissing->Number(), 53);
    EXPECT_EQ(sizeOfMissing->Description(),
              "Fichier introuvable\u00A0: «\u00A0" + Utf8Text(missing) + "\u00A0»");

    const auto refused = ErrorEscaping(
        [] { throw std::system_error(std::make_error_code(std::errc::permission_denied)); });
    ASSERT_TRUE(refused);
    EXPECT_EQ(ErrorBoxText(*refused), "Erreur : 70\r\n         Permission refusée");
#ifdef _WIN32
    // Windows' own code for a refusal, ERROR_ACCESS_DENIED, is EIO's number elsewhere.
    const auto windowsRefusal =
        ErrorEscaping([] { throw std::system_error(std::error_code(5, std::system_category())); });
    ASSERT_TRUE(windowsRefusal);
    EXPECT_EQ(windowsRefusal->Number(), 70);
#endif

    const auto outOfRange = ErrorEscaping([] { (void)std::vector<int>().at(1); });
    ASSERT_TRUE(outOfRange);
    EXPECT_EQ(outOfRange->Number(), 5);
    EXPECT_TRUE(outOfRange->Description().starts_with(
        "Argument ou appel de procédure incorrect\u00A0: erreur imprévue"))
        << outOfRange->Description();
}

TEST(ErrorReport, BoxTextIsNumberThenCrLfAndNineSpacesThenDescription) {
    EXPECT_EQ(ErrorBoxText(RunError(53)), "Erreur : 53\r\n         Fichier introuvable");
    EXPECT_EQ(ErrorBoxText(RunError(6)), "Erreur : 6\r\n         Dépassement de capacité");
    EXPECT_EQ(ErrorBoxText(RunError(5, "Mode inconnu")), "Erreur : 5\r\n         Mode inconnu");
}

}  // namespace
}  // namespace vortalis
