#include "sealbox/ui/sealbox_form.h"

#include <QApplication>
#include <QTest>

#include "cipher/tests/one_call_cipher.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "runtime/tests/support/failing_file_system.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/ui/progress_bar_sink.h"

namespace vortalis {
namespace {

using testing::ReadBytes;
using testing::SampleBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

struct FakeDialogs : SealboxDialogs {
    std::vector<std::string> seen;  // every box, in order
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

struct SilentSound : EndSound {
    std::filesystem::path file;
    int plays = 0;
    void SetFileName(const std::filesystem::path& name) override { file = name; }
    void Play() override { ++plays; }
};

struct RecordedEnd : ProgramEnd {
    std::optional<int> exitCode;
    void End(int code) override { exitCode = code; }
};

struct FixedVolumes : VolumeList {
    std::vector<std::string> mountPoints;
    std::vector<std::string> MountPoints() override { return mountPoints; }
};

// The system's folders, but for a root folder that holds one file.
struct FoldersWithARoot : SystemFolderReader {
    std::vector<std::string> Subfolders(const std::string& folder) override {
        return folder == "/" ? std::vector<std::string>{"home"}
                             : SystemFolderReader::Subfolders(folder);
    }
    std::vector<std::string> OrdinaryFiles(const std::string& folder) override {
        return folder == "/" ? std::vector<std::string>{"boot.ini"}
                             : SystemFolderReader::OrdinaryFiles(folder);
    }
};

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QColor Colour(std::uint32_t value) { return FromWindowsColour(static_cast<std::int32_t>(value)); }

std::string TwentyFields() {
    std::string text;
    for (int i = 1; i <= 20; ++i) text += std::to_string(i) + (i % 5 == 0 ? "\r\n" : ",");
    return text;
}

// One window over a scratch folder that plays the program's folder.
class Window {
  public:
    TemporaryFolder folder;
    std::filesystem::path program = folder / "programme";
    FakeDialogs dialogs;
    SilentSound sound;
    RecordedEnd end;
    FixedVolumes volumes;
    FoldersWithARoot folders;
    std::unique_ptr<UserPlaces> places = std::make_unique<UserPlaces>();
    std::unique_ptr<Sealboxfrm> form;

    Window() {
        std::filesystem::create_directory(program);
        volumes.mountPoints = {"/", folder.Path().string()};
    }

    Sealboxfrm& Open(const std::string& commandLine = "", FileSystem& files = SystemFiles()) {
        form = std::make_unique<Sealboxfrm>(
            SealboxServices{dialogs, sound, end, volumes, folders, files, *places},
            SealboxStart{commandLine, {program, "Sealbox", "Sealbox"}});
        form->Form_Load();
        return *form;
    }
    const SealboxControls& C() const { return form->Controls(); }

    void Click(int button, const std::filesystem::path& file, const char* password) {
        Click(button, file, QString::fromUtf8(password));
    }
    void Click(int button, const std::filesystem::path& file, const QString& password) {
        C().Text1->setText(Q(file));
        C().Text2->setText(password);
        QTest::mouseClick(C().Command1[button], Qt::LeftButton);
    }
};

class SealboxFormTest : public QObject {
    Q_OBJECT
  private slots:
    void aFileLeftHalfRewrittenIsPutBackAtStartAndTheUserTold() {
        testing::ScopedBackupFolder backups;
        Window window;
        const auto file = window.folder / "lettre.txt";
        const Bytes original = SampleBytes(2000);
        backups.LeaveInterruptedRewrite(file, original, SampleBytes(900, 2));
        window.Open();
        QCOMPARE(ReadBytes(file), original);
        QCOMPARE(window.dialogs.seen.size(), std::size_t{1});
        QVERIFY(window.dialogs.seen[0].find(file.string()) != std::string::npos);
        QVERIFY(backups.Entries().empty());
    }

    void controlsSitAtTheirPlacesWithTheirCaptionsAndTabOrder() {
        Window window;
        Sealboxfrm& form = window.Open();
        const double twips = TwipsPerPixel(&form);
        const auto px = [twips](int value) { return TwipsToPixels(value, twips); };
        QCOMPARE(form.size(), QSize(px(5910), px(5475)));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const SealboxControls& c = window.C();
        QCOMPARE(c.Text2->geometry(), QRect(px(210), px(315), px(5475), px(285)));
        QCOMPARE(c.Dir1->geometry(), QRect(px(2940), px(735), px(2745), px(1890)));
        QCOMPARE(c.Command1[1]->geometry(), QRect(px(1575), px(1155), px(1170), px(645)));
        QCOMPARE(c.ProgressBar1->geometry(), QRect(px(210), px(4935), px(5475), px(330)));
        QCOMPARE(c.Command1[0]->text(), QStringLiteral("&Crypter"));
        QCOMPARE(c.Command1[1]->text(), QStringLiteral("&Décrypter"));
        QCOMPARE(c.Command1[2]->text(), QStringLiteral("&Quitter"));
        QCOMPARE(c.Label1->text(), QStringLiteral("Nom du fichier"));
        QCOMPARE(c.Label2->text(), QStringLiteral("Mot de Passe"));
        QCOMPARE(form.windowTitle(),
                 QStringLiteral(" [Dé]cryptage VORTALIS janvier 2003 sealbox@vortalis.example"));
        QVERIFY(c.Text2->text().isEmpty());

        QWidget* expected[] = {c.Picture1, c.Drive1,      c.Dir1,        c.File1,      c.Text1,
                               c.Text2,    c.Command1[0], c.Command1[1], c.Command1[2]};
        for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
            QWidget* next = expected[i]->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || next->focusProxy() != nullptr)
                next = next->nextInFocusChain();
            QCOMPARE(next, expected[i + 1]);
        }
    }

    void theFocusStartsOnTheEmptyBoxAndTheFirstTabGoesToTheDrives() {
        Window window;
        Sealboxfrm& form = window.Open();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), window.C().Picture1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.C().Drive1);
    }

    void thePasswordShowsAHashForEachCharacter() {
        Window window;
        window.Open();
        PasswordBox* box = window.C().Text2;
        QTest::keyClicks(box, QStringLiteral("s3cr#t"));
        QCOMPARE(box->text(), QStringLiteral("s3cr#t"));
        QCOMPARE(box->displayText(), QStringLiteral("######"));
    }

    void startUpOpensTheListsOnTheProgramsFolderAndNamesTheEndSound() {
        Window window;
        WriteBytes(window.program / "lisez-moi.txt", {1});
        WriteBytes(window.program / ".cache", {1});
        std::filesystem::create_directory(window.program / "donnees");
        window.Open();
        const SealboxControls& c = window.C();
        QCOMPARE(c.Drive1->Drive(), window.folder.Path().string());
        QCOMPARE(c.Dir1->Path(), window.program.string());
        QCOMPARE(c.File1->count(), 1);
        QCOMPARE(c.File1->item(0)->text(), QStringLiteral("lisez-moi.txt"));
        QCOMPARE(c.Dir1->item(c.Dir1->count() - 1)->text(), QStringLiteral("donnees"));
        QCOMPARE(c.Text1->text(), Q(window.program));
        QCOMPARE(window.sound.file, window.program / "Sealfin.WAV");
        QVERIFY(window.dialogs.seen.empty());
    }

    void anInstalledSealboxOpensOnTheUsersHomeAndStillFindsItsEndSound() {
        // Installed: a program folder the user may not write.
        struct Installed : UserPlaces {
            std::filesystem::path home;
            bool FolderWritable(const std::filesystem::path&) const override { return false; }
            std::optional<std::string> Environment(const char* name) const override {
                if (std::string_view(name) == "HOME") return home.string();
                return std::nullopt;
            }
        };
        Window window;
        auto installed = std::make_unique<Installed>();
        installed->home = window.folder / "maison";
        std::filesystem::create_directory(installed->home);
        WriteBytes(installed->home / "lettre.txt", {1});
        WriteBytes(window.program / "Sealbox", {1});
        window.places = std::move(installed);
        window.Open();
        const SealboxControls& c = window.C();
        QCOMPARE(c.Dir1->Path(), (window.folder / "maison").string());
        QCOMPARE(c.File1->count(), 1);
        QCOMPARE(c.File1->item(0)->text(), QStringLiteral("lettre.txt"));
        QCOMPARE(c.Text1->text(), Q(window.folder / "maison"));
        QCOMPARE(window.sound.file, window.program / "Sealfin.WAV");
    }

    void clickingAFileNamesItWithOneSeparatorEvenInARootFolder() {
        Window window;
        WriteBytes(window.program / "lisez-moi.txt", {1});
        window.Open();
        const SealboxControls& c = window.C();
        c.File1->setCurrentRow(0);
        QCOMPARE(c.Text1->text(), Q(window.program / "lisez-moi.txt"));

        c.Dir1->SetPath("/");
        QCOMPARE(c.Text1->text(), QStringLiteral("/"));
        c.File1->setCurrentRow(0);
        QCOMPARE(c.Text1->text(), QStringLiteral("/boot.ini"));
    }

    void aDriveThatCannotBeReadIsReportedAndChangesNothingElse() {
        Window window;
        const std::string gone = (window.folder / "demonte").string();
        window.volumes.mountPoints.push_back(gone);
        window.Open();
        const SealboxControls& c = window.C();
        c.Drive1->SetDrive(gone);
        QCOMPARE(window.dialogs.seen,
                 std::vector<std::string>{"Erreur support : 76" + std::string(17, ' ') +
                                          "Chemin d'accès introuvable"});
        QCOMPARE(c.Drive1->Drive(), gone);
        QCOMPARE(c.Dir1->Path(), window.program.string());
        QCOMPARE(c.Text1->text(), Q(window.program));
        QVERIFY(!window.form->Ended());
    }

    void aFolderThatCannotBeOpenedIsReportedAndTheListStaysWhereItWas() {
        Window window;
        window.Open();
        const SealboxControls& c = window.C();
        emit c.Dir1->Opened(Q(window.program / "disparu"));
        QCOMPARE(window.dialogs.seen, std::vector<std::string>{"Erreur 76"});
        QCOMPARE(c.Dir1->Path(), window.program.string());
        QVERIFY(!window.form->Ended());
        emit c.Dir1->Opened(Q(window.folder.Path()));
        QCOMPARE(c.Text1->text(), Q(window.folder.Path()));
    }

    void theProgressBarEndsFullWhateverTheRange() {
        QProgressBar bar;
        bar.resize(365, 22);
        ProgressBarSink sink(bar);
        for (const std::uint64_t maximum :
             {std::uint64_t{2}, std::uint64_t{1'000'000}, std::uint64_t{5'000'000'000}}) {
            sink.Begin(1, maximum);
            QCOMPARE(bar.value(), bar.minimum());
            const std::uint64_t steps = std::min<std::uint64_t>(maximum - 1, 2'000'000);
            for (std::uint64_t i = 0; i < steps; ++i) sink.Step();
            if (maximum <= 1'000'000) {
                QCOMPARE(bar.minimum(), 1);
                QCOMPARE(bar.maximum(), static_cast<int>(maximum));
                QCOMPARE(bar.value(), bar.maximum());
            } else {
                // Divided down to fit the bar; a pixel's worth of steps has not come yet.
                QVERIFY(bar.maximum() > 1'000'000'000);
                QCOMPARE(bar.value(), bar.minimum());
            }
        }
    }

    void theColoursComeFromFieldsTwentyOneToTwentyFiveOfTheCommandLinesFile() {
        Window window;
        const auto scheme = window.folder / "couleurs.ini";
        const std::string text = TwentyFields() + "8454143,255,16711680,65280,-2147483643\r\n";
        WriteBytes(scheme, Bytes(text.begin(), text.end()));
        window.Open(scheme.string());
        const SealboxControls& c = window.C();
        for (QWidget* box :
             std::initializer_list<QWidget*>{c.Drive1, c.Dir1, c.File1, c.Text1, c.Text2}) {
            QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 128));
            QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        QCOMPARE(window.form->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(c.Label2->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(c.Label2->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(c.Label1->palette().color(QPalette::Window), Colour(0x8000000F));
        for (QPushButton* button : c.Command1)
            QCOMPARE(button->palette().color(QPalette::Button), Colour(0x80000005));
        QVERIFY(window.dialogs.seen.empty());
    }

    void withoutAColourFileTheWindowKeepsItsDesignColours() {
        for (const std::string commandLine : {"", "/nulle/part/couleurs.ini"}) {
            Window window;
            window.Open(commandLine);
            QVERIFY(window.dialogs.seen.empty());
            QCOMPARE(window.C().Text2->palette().color(QPalette::Base), Colour(0x80000005));
            QCOMPARE(window.C().Text2->palette().color(QPalette::Text), Colour(0x80000008));
            QCOMPARE(window.form->palette().color(QPalette::Window), Colour(0x8000000F));
        }
    }

    void aShortColourFileIsReportedAndTheWindowOpensInItsDesignColours() {
        Window window;
        const auto scheme = window.folder / "couleurs.ini";
        const std::string text = TwentyFields() + "1,2,3\r\n";
        WriteBytes(scheme, Bytes(text.begin(), text.end()));
        window.Open(scheme.string());
        QCOMPARE(window.dialogs.seen, std::vector<std::string>{"Erreur 62"});
        QVERIFY(!window.form->Ended());
        QCOMPARE(window.C().Text1->palette().color(QPalette::Base), Colour(0x80000005));
    }

    void theFileIsCheckedBeforeThePasswordAndEachCheckKeepsTheWindowOpen() {
        Window window;
        const auto file = window.program / "lettre.txt";
        const Bytes plain = SampleBytes(2000);
        WriteBytes(file, plain);
        WriteBytes(window.program / ".cachee", plain);
        window.Open();
        window.Click(0, "", "");
        window.Click(1, window.program / "absent.txt", "clef");
        window.Click(0, window.program, "clef");
        window.Click(0, window.program / ".cachee", "clef");
        window.Click(0, window.program / "*.txt", "clef");
        window.Click(1, file, "");
        const std::string notFound = "Fichier non trouvé";
        QCOMPARE(window.dialogs.seen,
                 (std::vector<std::string>{notFound, notFound, notFound, notFound, notFound,
                                           "quel est le mot de passe ?"}));
        QVERIFY(!window.form->Ended());
        QCOMPARE(window.sound.plays, 0);
        QCOMPARE(ReadBytes(file), plain);
    }

    void quitEndsAtOnceEvenWithBothBoxesEmpty() {
        Window window;
        window.Open();
        window.Click(2, "", "");
        QCOMPARE(window.end.exitCode, std::optional<int>(0));
        QVERIFY(window.dialogs.seen.empty());
        QCOMPARE(window.sound.plays, 0);
        window.Click(0, "", "");  // nothing runs once ended
        QVERIFY(window.dialogs.seen.empty());
    }

    void enciphersThenDeciphersAsTheCipherDoesAndEndsWithTheSound() {
        const Bytes plain = SampleBytes(5000);
        TemporaryFolder files;
        const auto file = files / "a*b.doc";  // a star is an ordinary character
        WriteBytes(file, plain);
        {
            Window window;
            window.Open();
            window.Click(0, file, QStringLiteral("mot de passe"));
            QCOMPARE(ReadBytes(file),
                     testing::CipherInOneCall("mot de passe", CipherMode::Encipher, plain));
            QCOMPARE(window.sound.plays, 1);
            QCOMPARE(window.end.exitCode, std::optional<int>(0));
            const QProgressBar* bar = window.C().ProgressBar1;
            QCOMPARE(bar->minimum(), 1);
            QCOMPARE(bar->maximum(), 5000 / 512 + 2);
            QCOMPARE(bar->value(), bar->maximum());
        }
        Window window;
        window.Open();
        window.Click(1, file, QStringLiteral("mot de passe"));
        QCOMPARE(ReadBytes(file), plain);
    }

    void aPasswordCharacterWithoutAWindowsCodeIsRefusedInFrench() {
        Window window;
        const auto file = window.program / "lettre.txt";
        WriteBytes(file, SampleBytes(100));
        window.Open();
        window.Click(0, file, QStringLiteral("clé✓"));
        QCOMPARE(window.dialogs.seen.size(), std::size_t{1});
        QVERIFY(!window.form->Ended());
        QCOMPARE(ReadBytes(file), SampleBytes(100));
    }

    void bytes255AreEncipheredOnlyWhenTheUserSaysSo() {
        const Bytes plain(3000, 255);
        for (const bool goOn : {false, true}) {
            Window window;
            const auto file = window.program / "image.bmp";
            WriteBytes(file, plain);
            window.dialogs.goOn = goOn;
            window.Open();
            window.Click(0, file, QStringLiteral("clef"));
            QCOMPARE(window.dialogs.seen.size(), std::size_t{1});
            QVERIFY(window.dialogs.seen[0].starts_with("? "));
            QCOMPARE(window.form->Ended(), goOn);
            QCOMPARE(window.sound.plays, goOn ? 1 : 0);
            QCOMPARE(ReadBytes(file) == plain, !goOn);
        }
    }

    void aFailurePartWayIsReportedEndsTheProgramAndLeavesTheFileWhole() {
        Window window;
        const auto file = window.program / "base.mdb";
        const Bytes plain = SampleBytes(3500000);  // several writes of 1 MiB
        WriteBytes(file, plain);
        testing::FailingFileSystem full(testing::FailingFileSystem::Operation::WriteAt,
                                        std::errc::no_space_on_device, 2);
        window.Open("", full);
        window.Click(0, file, QStringLiteral("clef"));
        QCOMPARE(window.dialogs.seen, std::vector<std::string>{"Erreur 61"});
        QCOMPARE(window.end.exitCode, std::optional<int>(1));
        QCOMPARE(window.sound.plays, 0);
        QCOMPARE(ReadBytes(file), plain);
        QCOMPARE(window.folders.OrdinaryFiles(window.program.string()),
                 std::vector<std::string>{"base.mdb"});
        QCOMPARE(std::distance(std::filesystem::directory_iterator(window.program),
                               std::filesystem::directory_iterator()),
                 1);
    }
};

}  // namespace
}  // namespace vortalis

QTEST_MAIN(vortalis::SealboxFormTest)
#include "sealbox_form_test.moc"
