#include "sealbox/ui/qt/sealbox_window.h"

#include <QApplication>
#include <QTest>
#include <memory>

#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "runtime/tests/support/temporary_folder.h"
#include "sealbox/tests/core/colour_file.h"
#include "sealbox/tests/core/fake_sealbox_services.h"

namespace vortalis::sealbox::qt_ui {
namespace {

using testing::ReadBytes;
using testing::SampleBytes;
using testing::WriteBytes;

QString Q(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QColor Colour(std::uint32_t value) { return FromWindowsColour(static_cast<std::int32_t>(value)); }

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
    return entries;
}

// The window with its form logic, over faked services.
class Window : public testing::FakeSealboxServices {
  public:
    SealboxWindow window;
    std::unique_ptr<Sealboxfrm> form;

    SealboxWindow& Open(const std::string& commandLine = "") {
        form = std::make_unique<Sealboxfrm>(window, Services(), Start(commandLine));
        window.ForwardEventsTo(*form);
        form->Form_Load();
        return window;
    }
    const SealboxControls& C() const { return window.Controls(); }
};

class SealboxWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsSitAtTheirPlacesWithTheirCaptionsAndTabOrder() {
        Window w;
        SealboxWindow& window = w.Open();
        const double twips = TwipsPerPixel(&window);
        const auto px = [twips](int value) { return TwipsToPixels(value, twips); };
        QCOMPARE(window.size(), QSize(px(5910), px(5475)));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const SealboxControls& c = w.C();
        QCOMPARE(c.Text2->geometry(), QRect(px(210), px(315), px(5475), px(285)));
        QCOMPARE(c.Dir1->geometry(), QRect(px(2940), px(735), px(2745), px(1890)));
        QCOMPARE(c.Command1[1]->geometry(), QRect(px(1575), px(1155), px(1170), px(645)));
        QCOMPARE(c.ProgressBar1->geometry(), QRect(px(210), px(4935), px(5475), px(330)));
        QCOMPARE(c.Command1[0]->text(), QStringLiteral("&Crypter"));
        QCOMPARE(c.Command1[1]->text(), QStringLiteral("&Décrypter"));
        QCOMPARE(c.Command1[2]->text(), QStringLiteral("&Quitter"));
        QCOMPARE(c.Label1->text(), QStringLiteral("Nom du fichier"));
        QCOMPARE(c.Label2->text(), QStringLiteral("Mot de Passe"));
        QCOMPARE(window.windowTitle(),
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
        Window w;
        SealboxWindow& window = w.Open();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), w.C().Picture1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.C().Drive1);
    }

    void thePasswordShowsAHashForEachCharacter() {
        Window w;
        w.Open();
        PasswordBox* box = w.C().Text2;
        QTest::keyClicks(box, QStringLiteral("s3cr#t"));
        QCOMPARE(box->displayText(), QStringLiteral("######"));
        QCOMPARE(w.window.Text2(), std::string("s3cr#t"));
        box->setText(QStringLiteral("clé"));
        QCOMPARE(w.window.Text2(), std::string("clé"));  // in UTF-8
    }

    void theListsShowTheDriveTheFoldersFromTheRootDownAndTheFiles() {
        Window w;
        w.Open();
        const SealboxControls& c = w.C();
        QCOMPARE(c.Drive1->Drive(), w.folder.Path().string());
        QStringList path;
        for (const auto& part : w.program) path << Q(part);
        QCOMPARE(Entries(c.Dir1), path << QStringLiteral("donnees"));
        QCOMPARE(c.Dir1->currentRow(), c.Dir1->count() - 2);  // the open folder
        QCOMPARE(Entries(c.File1), QStringList{QStringLiteral("lisez-moi.txt")});
        QVERIFY(c.File1->selectedItems().isEmpty());
        QCOMPARE(c.Text1->text(), Q(w.program));
    }

    void choosingAFileInTheListNamesIt() {
        Window w;
        w.Open();
        w.C().File1->setCurrentRow(0);
        QCOMPARE(w.C().Text1->text(), Q(w.program / "lisez-moi.txt"));
    }

    void enterOnAFolderOpensIt() {
        Window w;
        SealboxWindow& window = w.Open();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        FolderListBox* list = w.C().Dir1;
        list->setFocus();
        list->setCurrentRow(list->count() - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(w.C().Text1->text(), Q(w.program / "donnees"));
        QCOMPARE(list->item(list->count() - 1)->text(), QStringLiteral("donnees"));
        QCOMPARE(Entries(w.C().File1),
                 (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    }

    void onlyTheUsersChoiceOfADriveIsAChange() {
        Window w;
        const std::string gone = (w.folder / "demonte").string();
        w.volumes.mountPoints.push_back(gone);
        w.Open();
        DriveListBox* drives = w.C().Drive1;
        drives->SetDrive("/");
        QVERIFY(w.dialogs.seen.empty());
        drives->setCurrentIndex(drives->findText(Q(gone)));
        QCOMPARE(w.dialogs.seen.size(), std::size_t{1});
        QVERIFY(w.dialogs.seen[0].starts_with("Erreur support : 76"));
        QCOMPARE(w.C().Text1->text(), Q(w.program));
    }

    void theSchemePaintsEachControlsBackgroundAndText() {
        Window w;
        const auto scheme = w.folder / "couleurs.ini";
        testing::WriteColourFile(scheme, "8454143,255,16711680,65280,-2147483643");
        SealboxWindow& window = w.Open(scheme.string());
        const SealboxControls& c = w.C();
        for (QWidget* box :
             std::initializer_list<QWidget*>{c.Drive1, c.Dir1, c.File1, c.Text1, c.Text2}) {
            QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 128));
            QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
        }
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(window.palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(c.Label2->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(c.Label2->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QCOMPARE(c.Label1->palette().color(QPalette::Window), Colour(0x8000000F));
        for (QPushButton* button : c.Command1)
            QCOMPARE(button->palette().color(QPalette::Button), Colour(0x80000005));
        QVERIFY(w.dialogs.seen.empty());
    }

    void crypterTransformsTheFileFillsTheBarAndClosesTheWindow() {
        Window w;
        const auto file = w.program / "lettre.txt";
        WriteBytes(file, SampleBytes(5000));
        SealboxWindow& window = w.Open();
        window.show();
        w.C().Text1->setText(Q(file));
        w.C().Text2->setText(QStringLiteral("clef"));
        QTest::mouseClick(w.C().Command1[0], Qt::LeftButton);
        QVERIFY(ReadBytes(file) != SampleBytes(5000));
        const QProgressBar* bar = w.C().ProgressBar1;
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 5000 / 512 + 2);
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(!window.isVisible());
        QCOMPARE(w.end.exitCode, std::optional<int>(0));
    }

    void closingTheWindowEndsTheProgram() {
        Window w;
        SealboxWindow& window = w.Open();
        window.show();
        QVERIFY(window.close());
        QCOMPARE(w.end.exitCode, std::optional<int>(0));
    }
};

}  // namespace
}  // namespace vortalis::sealbox::qt_ui

QTEST_MAIN(vortalis::sealbox::qt_ui::SealboxWindowTest)
#include "sealbox_window_test.moc"
