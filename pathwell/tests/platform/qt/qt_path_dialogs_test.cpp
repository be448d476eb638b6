#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "pathwell/core/browser_legend.h"
#include "pathwell/platform/qt/file_chooser_dialog.h"
#include "pathwell/platform/qt/folder_browser_dialog.h"
#include "runtime/qt/french_file_details.h"
#include "runtime/qt/french_interface.h"

namespace vortalis::pathwell {

class PathDialogsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;

    QString In(const QString& name) const { return folder_.filePath(name); }
    void Touch(const QString& name, qint64 size = 0) const {
        QFile file(In(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
    ChooserSettings Settings(const QString& initialFolder) const {
        return {0,
                "",
                QFile::encodeName(initialFolder).toStdString(),
                "Tous|*|*|*",
                "Choix Fichiers,Répertoire Titre",
                0x282204};
    }

  private slots:
    void init() {
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    void browserShowsTheLegendAboveItsTreeWithOkAndAnnuler() {
        FolderBrowserDialog dialog(BrowserLegend("Titre"));
        const QStringList lines = dialog.Legend()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Titre"));
        QCOMPARE(lines[3], QString(50, QChar(0xAF)));
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Annuler"));
    }

    void browserNamesTheSelectedItemAndPicksIt() {
        QDir().mkpath(In(QStringLiteral("Mes Documents")));
        FolderBrowserDialog dialog("Titre");
        dialog.SelectPath(In(QStringLiteral("Mes Documents")));

        QCOMPARE(dialog.NameEdit()->text(), QStringLiteral("Mes Documents"));
        QCOMPARE(dialog.PickedPath(), In(QStringLiteral("Mes Documents")));
    }

    void browserTakesATypedNameThatExists() {
        QDir().mkpath(In(QStringLiteral("un")));
        Touch(QStringLiteral("deux.txt"));
        const QString selected = In(QStringLiteral("un"));

        QCOMPARE(ResolveTypedName(selected, QStringLiteral("un"), QStringLiteral("deux.txt")),
                 In(QStringLiteral("deux.txt")));
        QCOMPARE(ResolveTypedName(selected, QStringLiteral("un"), In(QStringLiteral("deux.txt"))),
                 In(QStringLiteral("deux.txt")));
        QCOMPARE(ResolveTypedName(selected, QStringLiteral("un"), QStringLiteral("absent")),
                 selected);
        QCOMPARE(ResolveTypedName(selected, QStringLiteral("un"), QString()), selected);
    }

    void chooserCarriesItsSettings() {
        FileChooserDialog dialog(Settings(folder_.path()));

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choix Fichiers,Répertoire Titre"));
        QCOMPARE(dialog.nameFilters(),
                 (QStringList{QStringLiteral("Tous (*)"), QStringLiteral("* (*)")}));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFiles);
        QCOMPARE(dialog.directory().absolutePath(), QDir(folder_.path()).absolutePath());
    }

    void chooserGivesOneFileAsItsFullPath() {
        Touch(QStringLiteral("lettre à Léa.txt"));
        FileChooserDialog dialog(Settings(folder_.path()));
        dialog.selectFile(In(QStringLiteral("lettre à Léa.txt")));

        dialog.accept();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectionString(),
                 QFile::encodeName(In(QStringLiteral("lettre à Léa.txt"))).toStdString());
    }

    void chooserGivesSeveralFilesAsFolderAndNames() {
        Touch(QStringLiteral("a b.txt"));
        Touch(QStringLiteral("c.txt"));
        FileChooserDialog dialog(Settings(folder_.path()));
        dialog.selectFile(QStringLiteral("\"a b.txt\" \"c.txt\""));

        dialog.accept();

        const std::string folder =
            QFile::encodeName(QDir(folder_.path()).absolutePath()).toStdString();
        QCOMPARE(dialog.SelectionString(), folder + '\0' + "a b.txt" + '\0' + "c.txt");
    }

    void chooserOffersAMissingNameForCreationAndCreatesNothing() {
        FileChooserDialog dialog(Settings(folder_.path()));
        QString asked;
        dialog.SetCreatePrompt([&](const QString& path) {
            asked = path;
            return true;
        });
        dialog.selectFile(QStringLiteral("nouveau.txt"));

        dialog.accept();

        QCOMPARE(asked, In(QStringLiteral("nouveau.txt")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.SelectionString(),
                 QFile::encodeName(In(QStringLiteral("nouveau.txt"))).toStdString());
        QVERIFY(!QFile::exists(In(QStringLiteral("nouveau.txt"))));
    }

    void chooserStaysOpenWhenCreationIsRefused() {
        FileChooserDialog dialog(Settings(folder_.path()));
        dialog.SetCreatePrompt([](const QString&) { return false; });
        dialog.selectFile(QStringLiteral("nouveau.txt"));

        dialog.accept();

        QCOMPARE(dialog.SelectionString(), std::string());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Run under the C locale (see CMakeLists.txt), where Qt alone writes
    // "1 bytes", "9 Dec 2026" and "Folder".
    void chooserWritesItsDetailsInFrenchWhateverTheLocale() {
        const FrenchInterface french;
        Touch(QStringLiteral("un.txt"), 1);
        Touch(QStringLiteral("image.png"), 5000);
        QDir().mkpath(In(QStringLiteral("sous-dossier")));
        FileChooserDialog dialog(Settings(folder_.path()));
        auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(details != nullptr);
        const auto detail = [&](const QString& name, int column) {
            const QAbstractItemModel* model = details->model();
            for (int row = 0; row < model->rowCount(details->rootIndex()); ++row) {
                const QModelIndex entry = model->index(row, 0, details->rootIndex());
                if (entry.data().toString() == name)
                    return entry.siblingAtColumn(column).data().toString();
            }
            return QString();
        };

        QTRY_COMPARE(detail(QStringLiteral("un.txt"), 1), QStringLiteral("1 octet"));
        QTRY_COMPARE(detail(QStringLiteral("image.png"), 1), QStringLiteral("4,9 Ko"));
        QTRY_COMPARE(detail(QStringLiteral("sous-dossier"), 2), QStringLiteral("Dossier"));
        QCOMPARE(detail(QStringLiteral("sous-dossier"), 1), QString());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"))
                    .match(detail(QStringLiteral("un.txt"), 3))
                    .hasMatch());
        QCOMPARE(FrenchFileSize(0), QStringLiteral("0 octet"));
        QCOMPARE(FrenchFileSize(68), QStringLiteral("68 octets"));
        QCOMPARE(FrenchFileSize(3 * 1024 * 1024 / 2), QStringLiteral("1,5 Mo"));
        QCOMPARE(FrenchFileSize(qint64(5) << 40), QStringLiteral("5,0 To"));
    }
};

}  // namespace vortalis::pathwell

QTEST_MAIN(vortalis::pathwell::PathDialogsTest)
#include "qt_path_dialogs_test.moc"
