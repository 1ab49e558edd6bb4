// The file commands: open and save leave the game alone, name the file in the title and keep
// the recent-file list; bad files get a German message and change nothing.
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileDialog>
#include <QLineEdit>

#include "main_frame.h"
#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "resource_ids.h"
#include "test_support.h"
#include "window_test_suite.h"

namespace {

// Records the text of the next message box and closes it with OK.
class CErrorBoxCatcher {
public:
    CErrorBoxCatcher()
        : m_answer(
              [this](QWidget* pModal) {
                  if (auto* pBox = qobject_cast<QMessageBox*>(pModal)) {
                      m_strTitle = pBox->windowTitle();
                      m_strText = pBox->text();
                      m_eIcon = pBox->icon();
                  }
                  ClickMessageBoxButton(pModal, QMessageBox::Ok);
              },
              &m_bSeen) {}
    bool m_bSeen = false;
    QString m_strTitle;
    QString m_strText;
    QMessageBox::Icon m_eIcon = QMessageBox::NoIcon;

private:
    CModalAnswerer m_answer;
};

// An answer for CModalAnswerer that types strPath into a file dialog's name field and
// accepts, as a user does. (QFileDialog::selectFile leaves the field alone once it has the
// keyboard focus, which the dialog gives it when its window becomes active: whether the
// proposed name or strPath was then saved depended on which came first.)
std::function<void(QWidget*)> ChooseFile(const QString& strPath) {
    return [strPath](QWidget* pModal) {
        auto* pDialog = qobject_cast<QFileDialog*>(pModal);
        auto* pNameField =
            pDialog ? pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (pNameField == nullptr) {
            qobject_cast<QDialog*>(pModal)->reject();
            return;
        }
        pNameField->setText(strPath);
        static_cast<QDialog*>(pDialog)->accept();  // public there, protected in QFileDialog
    };
}

bool WriteFile(const QString& strPath, const QByteArray& content) {
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString& strPath) {
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class CFileCommandsTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openThroughDialogNamesFileAndKeepsGame();
    void badFilesAreRefusedInGerman_data();
    void badFilesAreRefusedInGerman();
    void nameThatIsNotUtf8();
    void badFileOnCommandLineEndsStartUp();
    void goodFileOnCommandLine();
    void saveAsksForNameOnceAndWritesEmptyFile();
    void saveNeverOverwritesForeignContentUnasked();
    void failedSaveReportsAndChangesNothing();
    void recentFileListKeepsFourNewestFirst();

private:
    QTemporaryDir m_filesDir;
    QString FilePath(const QString& strName) const { return m_filesDir.filePath(strName); }
};

void CFileCommandsTest::initTestCase() {
    CWindowTestSuite::initTestCase();
    QVERIFY(m_filesDir.isValid());
}

void CFileCommandsTest::init() {
    QSettings(QString::fromUtf8(SETTINGS_ORGANIZATION), QString::fromUtf8(SETTINGS_APPLICATION))
        .clear();
}

void CFileCommandsTest::openThroughDialogNamesFileAndKeepsGame() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    CPelvarDoc& doc = app.Document();
    SetUpSlidingGame(doc);
    const Position posBefore = doc.m_posCurrent;
    const QString strPath = FilePath(QStringLiteral("partie.txt"));
    QVERIFY(WriteFile(strPath, "Das ist kein Spielstand.\n"));

    bool bSeen = false;
    CModalAnswerer answer(ChooseFile(strPath), &bSeen);
    app.Frame().OnCommand(ID_FILE_OPEN);
    QVERIFY(bSeen);

    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("partie.txt - Pelvar"));
    QVERIFY(doc.m_posCurrent == posBefore);
    QCOMPARE(doc.m_nState, static_cast<int>(STATE_SELECT_SLIDE));
    QCOMPARE(ReadFile(strPath), QByteArray("Das ist kein Spielstand.\n"));
    QCOMPARE(app.RecentFiles().Entries(),
             QByteArrayList{QFile::encodeName(QFileInfo(strPath).absoluteFilePath())});

    // Ctrl+N shows the untitled name again; the game stays.
    app.Frame().OnCommand(ID_FILE_NEW);
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Unbenannt - Pelvar"));
    QVERIFY(doc.m_posCurrent == posBefore);
}

void CFileCommandsTest::badFilesAreRefusedInGerman_data() {
    QTest::addColumn<QString>("strPath");
    QTest::addColumn<QString>("strReason");
    QTest::newRow("missing") << FilePath(QStringLiteral("gibt-es-nicht.txt"))
                             << QStringLiteral("Die Datei existiert nicht.");
    QTest::newRow("folder") << m_filesDir.path()
                            << QStringLiteral("Das ist ein Ordner, keine Datei.");
    QTest::newRow("device") << QStringLiteral("/dev/null")
                            << QStringLiteral("Das ist keine gewöhnliche Datei.");
    // A FIFO without a writer would block a plain open for reading.
    const QString strFifo = FilePath(QStringLiteral("fifo"));
    ::unlink(QFile::encodeName(strFifo).constData());
    QVERIFY(::mkfifo(QFile::encodeName(strFifo).constData(), 0600) == 0);
    QTest::newRow("fifo") << strFifo << QStringLiteral("Das ist keine gewöhnliche Datei.");
    QTest::newRow("below a file") << FilePath(QStringLiteral("partie.txt/x"))
                                  << QStringLiteral("Die Datei existiert nicht.");
}

void CFileCommandsTest::badFilesAreRefusedInGerman() {
    QFETCH(QString, strPath);
    QFETCH(QString, strReason);
    QVERIFY(WriteFile(FilePath(QStringLiteral("partie.txt")), "x"));
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    SetUpSlidingGame(app.Document());
    const Position posBefore = app.Document().m_posCurrent;

    CErrorBoxCatcher box;
    QVERIFY(!app.OpenDocumentFile(QFile::encodeName(strPath)));
    QVERIFY(box.m_bSeen);
    QCOMPARE(box.m_strTitle, QStringLiteral("Pelvar"));
    QCOMPARE(
        box.m_strText,
        QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden.\n%2").arg(strPath, strReason));
    QCOMPARE(box.m_eIcon, QMessageBox::Warning);
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Unbenannt - Pelvar"));
    QVERIFY(app.RecentFiles().Entries().isEmpty());
    QVERIFY(app.Document().m_posCurrent == posBefore);
}

void CFileCommandsTest::nameThatIsNotUtf8() {
    const QByteArray name = QFile::encodeName(m_filesDir.path()) + "/spiel\xff\xfe.txt";
    const int nFd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(nFd >= 0);
    QCOMPARE(::write(nFd, "abc", 3), ssize_t{3});
    ::close(nFd);

    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QVERIFY(app.OpenDocumentFile(name));
    QCOMPARE(app.PathName(), name);
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("spiel\\xff\\xfe.txt - Pelvar"));
    QCOMPARE(app.RecentFiles().Entries(), QByteArrayList{name});

    // The name survives byte for byte: the file is found again under it and stays untouched.
    struct stat info {};
    QCOMPARE(::stat(name.constData(), &info), 0);
    QCOMPARE(info.st_size, off_t{3});
    // Removed by its bytes: the temporary folder cannot name it and would stay behind.
    QCOMPARE(::unlink(name.constData()), 0);
}

void CFileCommandsTest::badFileOnCommandLineEndsStartUp() {
    CPelvarApp app;
    CErrorBoxCatcher box;
    QVERIFY(!app.InitInstance(QFile::encodeName(FilePath(QStringLiteral("fehlt.txt")))));
    QVERIFY(box.m_bSeen);
    QVERIFY(box.m_strText.contains(QStringLiteral("kann nicht geöffnet werden")));
    QVERIFY(!app.Frame().isVisible());
}

void CFileCommandsTest::goodFileOnCommandLine() {
    const QString strPath = FilePath(QStringLiteral("befehl.txt"));
    QVERIFY(WriteFile(strPath, "x"));
    const QString strOldFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_filesDir.path()));
    CPelvarApp app;
    const bool bStarted = app.InitInstance(QByteArray("befehl.txt"));
    QDir::setCurrent(strOldFolder);
    QVERIFY(bStarted);
    QVERIFY(app.Frame().isVisible());
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("befehl.txt - Pelvar"));
    // Relative names are kept absolute.
    QCOMPARE(app.RecentFiles().Entries(),
             QByteArrayList{QFile::encodeName(QFileInfo(strPath).absoluteFilePath())});
    QCOMPARE(app.Document().m_nState, static_cast<int>(STATE_PLACE));
}

void CFileCommandsTest::saveAsksForNameOnceAndWritesEmptyFile() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    SetUpSlidingGame(app.Document());
    const QString strPath = FilePath(QStringLiteral("gesichert.pelvar"));
    QFile::remove(strPath);

    bool bSeen = false;
    CModalAnswerer answer(ChooseFile(strPath), &bSeen);
    app.Frame().OnCommand(ID_FILE_SAVE);
    QVERIFY(bSeen);
    QVERIFY(QFileInfo::exists(strPath));
    QCOMPARE(QFileInfo(strPath).size(), qint64{0});
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("gesichert.pelvar - Pelvar"));
    QCOMPARE(app.RecentFiles().Entries(),
             QByteArrayList{QFile::encodeName(QFileInfo(strPath).absoluteFilePath())});

    // The second save asks nothing.
    QFile::remove(strPath);
    bool bAsked = false;
    CModalAnswerer unexpected([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); },
                              &bAsked, 300);
    app.Frame().OnCommand(ID_FILE_SAVE);
    QTest::qWait(50);
    QVERIFY(!bAsked);
    QVERIFY(QFileInfo::exists(strPath));
    QCOMPARE(app.Document().m_nState, static_cast<int>(STATE_SELECT_SLIDE));
}

void CFileCommandsTest::saveNeverOverwritesForeignContentUnasked() {
    const QString strPath = FilePath(QStringLiteral("fremd.txt"));
    QVERIFY(WriteFile(strPath, "wichtige Daten"));
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    QVERIFY(app.OpenDocumentFile(QFile::encodeName(strPath)));

    // Saving under the opened name would empty the file: the name is asked for first, and a
    // cancelled dialog saves nothing.
    bool bAsked = false;
    CModalAnswerer cancel([](QWidget* pModal) { qobject_cast<QDialog*>(pModal)->reject(); },
                          &bAsked);
    app.Frame().OnCommand(ID_FILE_SAVE);
    QVERIFY(bAsked);
    QCOMPARE(ReadFile(strPath), QByteArray("wichtige Daten"));
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("fremd.txt - Pelvar"));
}

void CFileCommandsTest::failedSaveReportsAndChangesNothing() {
    CPelvarApp app;
    QVERIFY(app.InitInstance(QByteArray()));
    const QString strFifo = FilePath(QStringLiteral("ausgang"));
    ::unlink(QFile::encodeName(strFifo).constData());
    QVERIFY(::mkfifo(QFile::encodeName(strFifo).constData(), 0600) == 0);

    // Target, reason.
    const QList<QPair<QString, QString>> cases = {
        {FilePath(QStringLiteral("kein/ordner.txt")),
         QStringLiteral("Der Ordner existiert nicht.")},
        {m_filesDir.path(), QStringLiteral("Das ist ein Ordner, keine Datei.")},
        {strFifo, QStringLiteral("Das ist keine gewöhnliche Datei.")},
    };
    for (const auto& [strTarget, strReason] : cases) {
        CErrorBoxCatcher box;
        QVERIFY(!app.SaveDocumentFile(QFile::encodeName(strTarget)));
        QVERIFY(box.m_bSeen);
        QCOMPARE(box.m_strText, QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden.\n%2")
                                    .arg(strTarget, strReason));
        QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Unbenannt - Pelvar"));
        QVERIFY(app.RecentFiles().Entries().isEmpty());
        QVERIFY(app.PathName().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(FilePath(QStringLiteral("kein"))));
}

void CFileCommandsTest::recentFileListKeepsFourNewestFirst() {
    QByteArrayList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << QFile::encodeName(FilePath(QStringLiteral("datei%1.txt").arg(i)));
        QVERIFY(WriteFile(QFile::decodeName(paths.last()), "x"));
    }
    {
        CPelvarApp app;
        QVERIFY(app.InitInstance(QByteArray()));
        for (const QByteArray& path : paths) {
            QVERIFY(app.OpenDocumentFile(path));
        }
        QCOMPARE(app.RecentFiles().Entries(),
                 (QByteArrayList{paths[4], paths[3], paths[2], paths[1]}));
        // Opening a listed file moves it to the front without a second entry.
        QVERIFY(app.OpenDocumentFile(paths[2]));
        QCOMPARE(app.RecentFiles().Entries(),
                 (QByteArrayList{paths[2], paths[4], paths[3], paths[1]}));
    }

    // Kept in the settings under the application's organisation and name.
    QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                       QStringLiteral("Pelvar"));
    QVERIFY(settings.fileName().startsWith(SettingsPath()));
    settings.beginGroup(QStringLiteral("Recent File List"));
    QCOMPARE(settings.childKeys(), (QStringList{"File1", "File2", "File3", "File4"}));
    QCOMPARE(settings.value(QStringLiteral("File1")).toString(), QFile::decodeName(paths[2]));
    settings.endGroup();

    // The next start reads the list back.
    CPelvarApp next;
    QVERIFY(next.InitInstance(QByteArray()));
    QCOMPARE(next.RecentFiles().Entries(),
             (QByteArrayList{paths[2], paths[4], paths[3], paths[1]}));
}

QTEST_MAIN(CFileCommandsTest)
#include "file_commands_test.moc"
