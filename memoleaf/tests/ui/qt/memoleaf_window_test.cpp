// The note's window as a real widget, run by its form: what needs Qt's widgets
// (placing and framing, painting, keys, the menu); the form's own decisions are
// tested in the core's tests.

#include "memoleaf/ui/qt/memoleaf_window.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>
#include <cmath>
#include <memory>

#include "memoleaf/core/settings_file.h"
#include "memoleaf/tests/core/fake_note_services.h"
#include "runtime/qt/twips.h"
#include "runtime/qt/windows_colour.h"
#include "runtime/tests/support/fake_user_places.h"
#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::memoleaf::qt_ui {
namespace {

const std::string kExampleFile = "0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n";

// A note whose program lies in a fresh folder, with dialogs, clipboard and
// session that the test answers.
struct Note {
    vortalis::testing::TemporaryFolder folder;
    vortalis::testing::FakeUserPlaces places;
    testing::FakeNoteDialogs dialogs;
    testing::FakeNoteClipboard clipboard;
    testing::FakeNoteSession session;
    testing::FakeScreenFonts fonts;
    std::filesystem::path settingsFile = folder / "Memoleaf.PRM";
    MemoleafWindow window;
    std::unique_ptr<Memoleaf_frm> form;

    explicit Note(const std::string& settingsText = {}) {
        if (!settingsText.empty()) {
            vortalis::testing::WriteBytes(settingsFile, {settingsText.begin(), settingsText.end()});
        }
        clipboard.text = "copié ailleurs";
        places.everyFolderWritable = true;  // the program's folder is its own
        form = std::make_unique<Memoleaf_frm>(
            window, ProgramLocation{folder.Path(), "Memoleaf", "Memoleaf"},
            NoteServices{dialogs, clipboard, session, fonts, places, SystemFiles()});
        window.ForwardEventsTo(*form);
        form->Form_Load();
    }

    std::string SettingsText() const {
        const std::vector<std::uint8_t> bytes = vortalis::testing::ReadBytes(settingsFile);
        return {bytes.begin(), bytes.end()};
    }
    bool ShowAndActivate() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    QTextEdit* TextArea() const { return window.TextArea(); }
    QColor Background() const { return TextArea()->palette().color(QPalette::Base); }
    QColor TextColour() const { return TextArea()->palette().color(QPalette::Text); }
};

QStringList EntriesOf(const QMenu* menu) {
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        entries << action->text() + QLatin1Char('|') + action->shortcut().toString();
    }
    return entries;
}

}  // namespace

class MemoleafWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void theDesignHoldsTheNamedTextBoxAndOneMenuWithItsShortcuts() {
        Note note;
        QCOMPARE(note.window.objectName(), QStringLiteral("Memoleaf_frm"));
        QCOMPARE(note.TextArea()->objectName(), QStringLiteral("AMSREdit1"));
        QVERIFY(!note.window.windowIcon().isNull());
        const QList<QAction*> menus = note.window.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Ordres"));
        QCOMPARE(
            EntriesOf(menus[0]->menu()),
            (QStringList{QStringLiteral("&Copier|Ctrl+C"), QStringLiteral("c&Ouleur|"),
                         QStringLiteral("changer la &Police|Ctrl+P"),
                         QStringLiteral("&Quitter|Ctrl+Q"), QStringLiteral("co&Uper|Ctrl+X")}));
        QCOMPARE(
            EntriesOf(menus[0]->menu()->actions()[1]->menu()),
            (QStringList{QStringLiteral("du &Fond|Ctrl+F"), QStringLiteral("du &Texte|Ctrl+T")}));
    }

    void aFirstRunKeepsTheColoursTheTextBoxIsPaintedWithAndOpensInWholePixels() {
        Note note;
        QCOMPARE(note.TextArea()->toPlainText(), QStringLiteral("copié ailleurs"));
        QCOMPARE(note.form->Settings().noteColours,
                 (std::array<std::int32_t, 2>{ToWindowsColour(note.Background()),
                                              ToWindowsColour(note.TextColour())}));
        // 5000 twips are 333 whole pixels at 15 twips a pixel: 4995 twips.
        const double twipsPerPixel = TwipsPerPixel(&note.window);
        const DesktopRect outer = note.window.OuterGeometry();
        QCOMPARE(outer.width, std::round(5000 / twipsPerPixel) * twipsPerPixel);
        QCOMPARE(outer.height, std::round(5000 / twipsPerPixel) * twipsPerPixel);
    }

    void storedSettingsArePaintedAndTheFirstShowingLaysOutTheTextBox() {
        Note note("150,300\r\n4500, 6000 \r\nDejaVu Serif,14,1,1\r\n 16711680 , 255 \r\n");
        QCOMPARE(note.window.OuterGeometry(), (DesktopRect{300, 150, 6000, 4500}));
        const QFont font = note.TextArea()->font();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.bold() && font.italic());
        QCOMPARE(note.Background(), QColor(0, 0, 255));
        QCOMPARE(note.TextColour(), QColor(255, 0, 0));
        QVERIFY(!note.form->SettingsChanged());

        note.window.show();
        QVERIFY(note.form->SettingsChanged());
        QCOMPARE(note.window.OuterGeometry(), (DesktopRect{300, 150, 6000, 4500}));
        // 5650 twips are 376.7 pixels, 3750 twips 250.
        QCOMPARE(note.TextArea()->geometry(), QRect(0, 0, 377, 250));

        // The font dialog is offered the font the text box wears.
        note.form->pol_Click();
        QCOMPARE(note.dialogs.fontsOffered.at(0), (FontChoice{"DejaVu Serif", 14, true, true}));
    }

    void systemColourReferencesArePaintedFromThePalette() {
        Note note("0,0\r\n4995, 4995 \r\nArial,9,0,0\r\n-2147483643 ,-2147483640 \r\n");
        QCOMPARE(note.Background(), QPalette().color(QPalette::Active, QPalette::Base));
        QCOMPARE(note.TextColour(), QPalette().color(QPalette::Active, QPalette::Text));
    }

    void theWindowGoesWhereItWasStoredOrOnThePrimaryScreenWhenThatHasGone() {
        const Note partlyOff("-600,-1500\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
        QCOMPARE(partlyOff.window.OuterGeometry(), (DesktopRect{-1500, -600, 4500, 3000}));

        const Note gone("-90000,500000\r\n3000, 4500 \r\nArial,9,0,0\r\n 8454143 , 0 \r\n");
        const DesktopRect outer = gone.window.OuterGeometry();
        QCOMPARE(outer.width, 4500.0);
        QCOMPARE(outer.height, 3000.0);
        QVERIFY(outer.left < 2000 && outer.top < 2000);
    }

    void aWindowEightHundredTwipsHighOrLowerKeepsTheTextBoxsHeight() {
        Note note(kExampleFile);
        note.window.show();
        if (TwipsPerPixel(&note.window) != 15) QSKIP("the screen is not at 96 dots per inch");
        const int earlierHeight = note.TextArea()->height();
        const int frame = note.window.frameGeometry().height() - note.window.height();
        note.window.resize(note.window.width(), 53 - frame);  // 795 twips outside
        QCOMPARE(note.TextArea()->height(), earlierHeight);
        note.window.resize(note.window.width(), 54 - frame);  // 810 twips: 60 left, 4 pixels
        QCOMPARE(note.TextArea()->height(), 4);
    }

    void ctrlQAndCtrlXBothSaveAndEnd() {
        for (const Qt::Key key : {Qt::Key_Q, Qt::Key_X}) {
            Note note(kExampleFile);
            QVERIFY(note.ShowAndActivate());
            note.TextArea()->setFocus();
            note.TextArea()->selectAll();
            note.dialogs.colourAnswer = 0x00FF00;
            QTest::keyClick(note.TextArea(), Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(note.Background(), QColor(0, 255, 0));
            QTest::keyClick(note.TextArea(), key, Qt::ControlModifier);
            QCOMPARE(note.session.ends, 1);
            QCOMPARE(note.TextArea()->toPlainText(), QStringLiteral("copié ailleurs"));
            const DesktopRect outer = note.window.OuterGeometry();
            const LoadedSettings saved = LoadSettings(note.settingsFile, "x", 0, 0);
            QCOMPARE(saved.settings.noteColours[kBackgroundColour], 0x00FF00);
            QCOMPARE(saved.settings.windowWidth, outer.width);
            QCOMPARE(saved.settings.windowTop, outer.top);
        }
    }

    void ctrlCCopiesTheSelection() {
        Note note(kExampleFile);
        QVERIFY(note.ShowAndActivate());
        note.TextArea()->setFocus();
        QTextCursor cursor = note.TextArea()->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        note.TextArea()->setTextCursor(cursor);
        note.clipboard.text.clear();
        QTest::keyClick(note.TextArea(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(note.clipboard.text, std::string("copié"));
        QCOMPARE(note.session.ends, 0);
    }

    void closingTheWindowOtherwiseIsTheFormsClosing() {
        Note note(kExampleFile);
        note.window.show();
        note.dialogs.colourAnswer = 0x00FF00;
        note.form->cou1_Click(kBackgroundColour);
        note.window.close();
        QCOMPARE(note.SettingsText(), kExampleFile);
        QCOMPARE(note.session.ends, 1);
        QCOMPARE(note.session.exitCode, 0);
    }
};

}  // namespace vortalis::memoleaf::qt_ui

QTEST_MAIN(vortalis::memoleaf::qt_ui::MemoleafWindowTest)
#include "memoleaf_window_test.moc"
