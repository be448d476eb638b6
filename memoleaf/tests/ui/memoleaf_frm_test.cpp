#include "memoleaf/ui/memoleaf_frm.h"

#include <QAction>
#include <QFontDatabase>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "memoleaf/core/settings_file.h"
#include "memoleaf/tests/ui/fake_note_services.h"
#include "runtime/qt/twips.h"
#include "runtime/tests/support/scoped_backup_folder.h"
#include "runtime/tests/support/temporary_folder.h"
#include "runtime/text/ansi_text.h"

namespace vortalis::memoleaf {
namespace {

const std::string kExampleFile = "0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n";
const QColor kPaleYellow(255, 255, 128);

class WritablePlaces : public UserPlaces {
  public:
    bool FolderWritable(const std::filesystem::path&) const override { return true; }
};

// A note whose program lies in a fresh folder, with dialogs, clipboard and
// session that the test answers.
struct Note {
    vortalis::testing::TemporaryFolder folder;
    WritablePlaces places;
    testing::FakeNoteDialogs dialogs;
    testing::FakeNoteClipboard clipboard;
    testing::FakeNoteSession session;
    std::filesystem::path settingsFile = folder / "Memoleaf.PRM";
    std::unique_ptr<Memoleaf_frm> form;

    // `prepare` sees the folder before the note starts.
    explicit Note(const std::string& settingsText = {},
                  const std::function<void(const Note&)>& prepare = {}) {
        if (!settingsText.empty()) WriteSettings(settingsText);
        if (prepare) prepare(*this);
        clipboard.text = QStringLiteral("copié ailleurs");
        form =
            std::make_unique<Memoleaf_frm>(ProgramLocation{folder.Path(), "Memoleaf", "Memoleaf"},
                                           places, NoteServices{dialogs, clipboard, session});
        form->Form_Load();
    }

    void WriteSettings(const std::string& text) const {
        vortalis::testing::WriteBytes(settingsFile, {text.begin(), text.end()});
    }
    std::string SettingsText() const {
        const std::vector<std::uint8_t> bytes = vortalis::testing::ReadBytes(settingsFile);
        return {bytes.begin(), bytes.end()};
    }
    bool ShowAndActivate() const {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
    QColor Background() const { return form->TextArea()->palette().color(QPalette::Base); }
    QColor TextColour() const { return form->TextArea()->palette().color(QPalette::Text); }
    QAction* Entry(const QString& caption) const {
        for (QAction* action : form->findChildren<QAction*>()) {
            if (action->text() == caption) return action;
        }
        return nullptr;
    }
};

}  // namespace

class MemoleafFrmTest : public QObject {
    Q_OBJECT

  private slots:
    void aFirstRunOpensPaleYellowOnTheClipboardsTextInTheFirstScreenFont() {
        Note note;
        QCOMPARE(note.form->SettingsPath(), note.settingsFile);
        QCOMPARE(note.form->TextArea()->toPlainText(), QStringLiteral("copié ailleurs"));
        QCOMPARE(note.Background(), kPaleYellow);
        QCOMPARE(note.TextColour(), QColor(Qt::black));
        const QFont font = note.form->TextArea()->font();
        QVERIFY(QFontDatabase::families().value(0).startsWith(font.family()));
        QVERIFY(!font.family().contains(QLatin1Char('[')));
        QCOMPARE(font.pointSize(), 9);
        QVERIFY(!font.bold() && !font.italic());
        // 5000 twips are 333 whole pixels at 15 twips a pixel: 4995 twips.
        const DesktopRect outer = note.form->OuterGeometryInTwips();
        QCOMPARE(outer.width, 333 * TwipsPerPixel(note.form.get()));
        QCOMPARE(outer.height, 333 * TwipsPerPixel(note.form.get()));
        QVERIFY(note.form->SettingsChanged());
    }

    void quittingAfterAFirstRunWritesTheFileEvenWithNothingChanged() {
        Note note;
        note.form->qui_Click();
        QCOMPARE(note.session.ends, 1);
        const std::string font = Utf8ToAnsi(note.form->Settings().fontName);
        QCOMPARE(note.SettingsText(),
                 "0,0\r\n4995, 4995 \r\n" + font + ",9,0,0\r\n 8454143 , 0 \r\n");
    }

    void storedSettingsComeBackAndTheFirstShowingCountsAsAResize() {
        Note note("150,300\r\n4500, 6000 \r\nDejaVu Serif,14,1,1\r\n 16711680 , 255 \r\n");
        QCOMPARE(note.form->OuterGeometryInTwips(), (DesktopRect{300, 150, 6000, 4500}));
        const QFont font = note.form->TextArea()->font();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.bold() && font.italic());
        QCOMPARE(note.Background(), QColor(0, 0, 255));
        QCOMPARE(note.TextColour(), QColor(255, 0, 0));
        QVERIFY(!note.form->SettingsChanged());

        note.form->show();
        QVERIFY(note.form->SettingsChanged());
        QCOMPARE(note.form->OuterGeometryInTwips(), (DesktopRect{300, 150, 6000, 4500}));
        // 5650 twips are 376.7 pixels, 3750 twips 250.
        QCOMPARE(note.form->TextArea()->geometry(), QRect(0, 0, 377, 250));
    }

    void systemColourReferencesArePaintedFromThePaletteAndKeptInTheFile() {
        Note note("0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n-2147483643 ,-2147483640 \r\n");
        QCOMPARE(note.Background(), QPalette().color(QPalette::Active, QPalette::Base));
        QCOMPARE(note.TextColour(), QPalette().color(QPalette::Active, QPalette::Text));
        note.form->cou_Click();
        QVERIFY(note.SettingsText().ends_with("\r\n-2147483643 ,-2147483640 \r\n"));
    }

    void aDamagedFileIsReportedThenTheNoteOpensAndQuittingMendsTheFile() {
        Note note("0,0\r\n4995, 4995 \r\nArial\r\n");
        QCOMPARE(note.session.errors.size(), std::size_t{1});
        QCOMPARE(note.session.errors[0].Number(), run_error::kInputPastEnd);
        QVERIFY(note.session.errors[0].Description().find(note.settingsFile.string()) !=
                std::string::npos);
        QCOMPARE(note.Background(), kPaleYellow);
        QVERIFY(note.form->SettingsChanged());

        note.form->qui_Click();
        QVERIFY(!LoadSettings(note.settingsFile, "x", 0, 0).damage);
    }

    void aSaveKilledHalfWayIsPutBackBeforeTheSettingsAreReadAndTheUserTold() {
        vortalis::testing::ScopedBackupFolder backups;
        const std::string stored = "10,20\r\n3000, 4000 \r\nArial,11,1,0\r\n 255 , 0 \r\n";
        Note note({}, [&](const Note& before) {
            backups.LeaveInterruptedRewrite(before.settingsFile, {stored.begin(), stored.end()},
                                            {'9', ','});
        });
        QCOMPARE(note.session.messages.size(), 1);
        QVERIFY(
            note.session.messages[0].contains(QString::fromStdString(note.settingsFile.string())));
        QVERIFY(note.session.errors.empty());
        QCOMPARE(note.form->TextArea()->font().pointSize(), 11);
        QCOMPARE(note.SettingsText(), stored);
    }

    void aNoteStoredOnAScreenThatHasGoneOpensOnThePrimaryScreen() {
        Note note("-90000,500000\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
        const DesktopRect outer = note.form->OuterGeometryInTwips();
        QCOMPARE(outer.width, 4500.0);
        QCOMPARE(outer.height, 3000.0);
        QVERIFY(outer.left < 2000 && outer.top < 2000);
    }

    void aWindowPartlyOffTheScreenStaysWhereItWasStored() {
        Note note("-600,-1500\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
        QCOMPARE(note.form->OuterGeometryInTwips(), (DesktopRect{-1500, -600, 4500, 3000}));
    }

    void aWindowEightHundredTwipsHighOrLowerKeepsTheTextAreasHeight() {
        Note note(kExampleFile);
        note.form->show();
        if (TwipsPerPixel(note.form.get()) != 15) QSKIP("the screen is not at 96 dots per inch");
        const int earlierHeight = note.form->TextArea()->height();
        const int frame = note.form->frameGeometry().height() - note.form->height();
        note.form->resize(note.form->width(), 53 - frame);  // 795 twips outside
        QCOMPARE(note.form->TextArea()->height(), earlierHeight);
        note.form->resize(note.form->width(), 54 - frame);  // 810 twips: 60 left, 4 pixels
        QCOMPARE(note.form->TextArea()->height(), 4);
    }

    void theMenuHoldsItsEntriesInOrderWithTheirShortcuts() {
        Note note;
        const QList<QAction*> menus = note.form->menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Ordres"));
        QStringList entries;
        for (QAction* action : menus[0]->menu()->actions()) {
            entries << action->text() + QLatin1Char('|') + action->shortcut().toString();
        }
        QCOMPARE(
            entries,
            (QStringList{QStringLiteral("&Copier|Ctrl+C"), QStringLiteral("c&Ouleur|"),
                         QStringLiteral("changer la &Police|Ctrl+P"),
                         QStringLiteral("&Quitter|Ctrl+Q"), QStringLiteral("co&Uper|Ctrl+X")}));
        QStringList colours;
        for (QAction* action : menus[0]->menu()->actions()[1]->menu()->actions()) {
            colours << action->text() + QLatin1Char('|') + action->shortcut().toString();
        }
        QCOMPARE(colours, (QStringList{QStringLiteral("du &Fond|Ctrl+F"),
                                       QStringLiteral("du &Texte|Ctrl+T")}));
    }

    void theCaptionIsTheCreditLineSeparatedBy9E() {
        Note note;
        const std::string caption = Utf8ToAnsi(note.form->windowTitle().toStdString());
        QVERIFY(caption.find("VORTALIS") != std::string::npos);
        QVERIFY(caption.find("avril 2003") != std::string::npos);
        QVERIFY(caption.find(".example") != std::string::npos);
        QCOMPARE(std::count(caption.begin(), caption.end(), '\x9E'), 3);
        QVERIFY(!note.form->windowIcon().isNull());
    }

    void aChosenBackgroundLeavesTheTextColourAlone() {
        Note note(kExampleFile);
        note.dialogs.colourAnswer = 0x00FF00;
        note.form->cou1_Click(kBackgroundColour);
        QCOMPARE(note.dialogs.coloursOffered, std::vector<std::int32_t>{8454143});
        QCOMPARE(note.form->Settings().noteColours, (std::array<std::int32_t, 2>{0x00FF00, 0}));
        QCOMPARE(note.Background(), QColor(0, 255, 0));
        QCOMPARE(note.TextColour(), QColor(Qt::black));
        QVERIFY(note.form->SettingsChanged());

        note.dialogs.colourAnswer = 0x0000FF;
        note.form->cou1_Click(kTextColour);
        QCOMPARE(note.form->Settings().noteColours, (std::array<std::int32_t, 2>{0x00FF00, 0xFF}));
        QCOMPARE(note.Background(), QColor(0, 255, 0));
        QCOMPARE(note.TextColour(), QColor(255, 0, 0));
        QCOMPARE(note.dialogs.colourTitles, (QStringList{QStringLiteral("Couleur du fond"),
                                                         QStringLiteral("Couleur du texte")}));
    }

    void aCancelledColourChangesNothingButStillCountsAsAChange() {
        Note note(kExampleFile);
        note.form->cou1_Click(kTextColour);
        QCOMPARE(note.form->Settings().noteColours, (std::array<std::int32_t, 2>{8454143, 0}));
        QCOMPARE(note.Background(), kPaleYellow);
        QVERIFY(note.form->SettingsChanged());
    }

    void aChosenFontIsRoundedToWholePointsHalvesToEven() {
        Note note(kExampleFile);
        note.dialogs.fontAnswer = FontChoice{QStringLiteral("DejaVu Serif"), 10.5, true, false};
        note.form->pol_Click();
        QCOMPARE(note.dialogs.fontsOffered.at(0),
                 (FontChoice{QStringLiteral("Arial"), 9, false, false}));
        QCOMPARE(note.form->Settings().fontName, std::string("DejaVu Serif"));
        QCOMPARE(note.form->Settings().fontSize, std::int16_t{10});
        QVERIFY(note.form->Settings().fontBold && !note.form->Settings().fontItalic);
        QCOMPARE(note.form->TextArea()->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(note.form->TextArea()->font().bold());

        note.dialogs.fontAnswer = FontChoice{QStringLiteral("DejaVu Sans"), 11.5, false, true};
        note.form->pol_Click();
        QCOMPARE(note.form->Settings().fontSize, std::int16_t{12});
        QCOMPARE(note.form->TextArea()->font().pointSize(), 12);
        QVERIFY(note.form->TextArea()->font().italic());
        QVERIFY(note.form->SettingsChanged());
    }

    void aCancelledFontChangesNothingButStillCountsAsAChange() {
        Note note(kExampleFile);
        const NoteSettings before = note.form->Settings();
        note.form->pol_Click();
        QCOMPARE(note.form->Settings(), before);
        QCOMPARE(note.form->TextArea()->font().family(), QStringLiteral("Arial"));
        QVERIFY(note.form->SettingsChanged());
    }

    void aFontNameTheFileCannotHoldIsRefusedWithAMessage() {
        Note note(kExampleFile);
        note.dialogs.fontAnswer = FontChoice{QStringLiteral("Noto Sans 日本"), 12, false, false};
        note.form->pol_Click();
        QCOMPARE(note.session.messages.size(), 1);
        QCOMPARE(note.form->Settings().fontName, std::string("Arial"));
        QCOMPARE(note.form->Settings().fontSize, std::int16_t{9});
    }

    void ctrlQAndCtrlXBothSaveAndEnd() {
        for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X}) {
            Note note(kExampleFile);
            QVERIFY(note.ShowAndActivate());
            note.form->TextArea()->setFocus();
            note.form->TextArea()->selectAll();
            note.dialogs.colourAnswer = 0x00FF00;
            note.form->cou1_Click(kBackgroundColour);
            QTest::keyClick(note.form->TextArea(), key, Qt::ControlModifier);
            QCOMPARE(note.session.ends, 1);
            QCOMPARE(note.form->TextArea()->toPlainText(), QStringLiteral("copié ailleurs"));
            const DesktopRect outer = note.form->OuterGeometryInTwips();
            const LoadedSettings saved = LoadSettings(note.settingsFile, "x", 0, 0);
            QCOMPARE(saved.settings.noteColours[kBackgroundColour], 0x00FF00);
            QCOMPARE(saved.settings.windowWidth, outer.width);
            QCOMPARE(saved.settings.windowTop, outer.top);
        }
    }

    void ctrlCCopiesTheSelection() {
        Note note(kExampleFile);
        QVERIFY(note.ShowAndActivate());
        note.form->TextArea()->setFocus();
        QTextCursor cursor = note.form->TextArea()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        note.form->TextArea()->setTextCursor(cursor);
        note.clipboard.text.clear();
        QTest::keyClick(note.form->TextArea(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(note.clipboard.text, QStringLiteral("copié"));
        QCOMPARE(note.session.ends, 0);
    }

    void closingTheWindowOtherwiseWritesNothing() {
        Note note(kExampleFile);
        note.form->show();
        note.dialogs.colourAnswer = 0x00FF00;
        note.form->cou1_Click(kBackgroundColour);
        note.form->close();
        QCOMPARE(note.SettingsText(), kExampleFile);
        QCOMPARE(note.session.ends, 0);
    }
};

}  // namespace vortalis::memoleaf

QTEST_MAIN(vortalis::memoleaf::MemoleafFrmTest)
#include "memoleaf_frm_test.moc"
