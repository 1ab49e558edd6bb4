// The game starts with every kind of thing at the settings file's path, reads the recent-file
// list where it can, and leaves alone what it cannot read or write safely.
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <memory>

#include "pelvar_app.h"
#include "recent_files_ini.h"
#include "settings_file.h"
#include "window_test_suite.h"

namespace {

const QByteArray OLD_ENTRY = "/alt/eins";

// What the path shows from outside: its type, size, times and content, link followed, and
// the link itself.
QByteArray Fingerprint(const QString& strPath) {
    const QByteArray path = QFile::encodeName(strPath);
    struct stat link {};
    struct stat target {};
    QByteArray print;
    for (struct stat* pInfo : {&link, &target}) {
        const int nResult =
            pInfo == &link ? ::lstat(path.constData(), pInfo) : ::stat(path.constData(), pInfo);
        print += QByteArray::number(nResult) + ' ' + QByteArray::number(pInfo->st_mode) + ' ' +
                 QByteArray::number(static_cast<qlonglong>(pInfo->st_size)) + ' ' +
                 QByteArray::number(static_cast<qlonglong>(pInfo->st_mtim.tv_nsec)) + ' ' +
                 QByteArray::number(static_cast<qlonglong>(pInfo->st_rdev)) + '\n';
    }
    QFile file(strPath);
    if (S_ISREG(target.st_mode) && file.open(QIODevice::ReadOnly)) {
        print += file.readAll();
    }
    return print;
}

QByteArray GroupWith(const QByteArray& values) {
    return "[Recent%20File%20List]\n" + values + "\n[Andere]\nSchluessel=Wert\n";
}

bool WriteBytes(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A value of 30000 variants nested in each other (below the size limit): the Qt settings
// class decodes it recursively.
QByteArray NestedVariant() {
    return "File1=@Variant(" + QByteArray(R"(\0\0\0)\0)").repeated(30000) +
           R"(\0\0\0\x2\0\0\0\0\x1))";
}

}  // namespace

class CSettingsFileTest : public CWindowTestSuite {
    Q_OBJECT

private slots:
    void everyKindOfPathStartsTheGame();
};

void CSettingsFileTest::everyKindOfPathStartsTheGame() {
    QTemporaryDir documents;
    const QString strDocument = documents.filePath(QStringLiteral("partie.txt"));
    QVERIFY(WriteBytes(strDocument, "x"));

    // Prepares the path; what it returns lives until the row has run.
    using Setup = std::function<std::shared_ptr<void>(const QString& strPath)>;
    struct Row {
        const char* pszKind;
        Setup fnSetup;
        QByteArrayList expectedAfterOld;  // the entries after the document's, once started
        bool bWritten;                    // whether the file then holds the new list
        // What another instance writes after the start, before the document is opened again.
        QByteArray writtenMeanwhile = {};
        // The value of XDG_CONFIG_HOME; the folder is then .config in HOME.
        QByteArray xdgConfigHome = {};
    };
    const QList<Row> rows = {
        {"regular",
         [](const QString& p) {
             WriteBytes(p, GroupWith("File1=" + OLD_ENTRY));
             return nullptr;
         },
         {OLD_ENTRY},
         true},
        {"absent", [](const QString&) { return nullptr; }, {}, true},
        {"written by another instance meanwhile",
         [](const QString&) { return nullptr; },
         {OLD_ENTRY},
         true,
         GroupWith("File1=" + OLD_ENTRY)},
        {"a name that is not UTF-8, a byte order mark",
         [](const QString& p) {
             WriteBytes(p, "\xef\xbb\xbf" + GroupWith("File1=/alt/\xff\xfe"));
             return nullptr;
         },
         {"/alt/\xff\xfe"},
         true},
        {"relative XDG_CONFIG_HOME", [](const QString&) { return nullptr; }, {}, true, {}, "rel"},
        {"FIFO",
         [](const QString& p) {
             ::mkfifo(QFile::encodeName(p).constData(), 0600);
             return nullptr;
         },
         {},
         false},
        {"FIFO at the lock",
         [](const QString& p) {
             WriteBytes(p, GroupWith("File1=" + OLD_ENTRY));
             ::mkfifo(QFile::encodeName(p + QStringLiteral(".lock")).constData(), 0600);
             return nullptr;
         },
         {OLD_ENTRY},
         false},
        {"directory",
         [](const QString& p) {
             QDir().mkpath(p);
             return nullptr;
         },
         {},
         false},
        {"symlink to a device",
         [](const QString& p) {
             // A private copy of /dev/null where that is allowed, else /dev/null itself.
             const QString strDevice = p + QStringLiteral(".null");
             const bool bCopied = ::mknod(QFile::encodeName(strDevice).constData(), S_IFCHR | 0666,
                                          makedev(1, 3)) == 0;
             QFile::link(bCopied ? strDevice : QStringLiteral("/dev/null"), p);
             return nullptr;
         },
         {},
         false},
        {"oversized",
         [](const QString& p) {
             WriteBytes(p,
                        GroupWith("File1=" + OLD_ENTRY) + QByteArray(MAX_SETTINGS_FILE_SIZE, ';'));
             return nullptr;
         },
         {},
         false},
        {"deeply nested value",
         [](const QString& p) {
             WriteBytes(p, GroupWith(NestedVariant() + "\nFile2=" + OLD_ENTRY));
             return nullptr;
         },
         {OLD_ENTRY},
         false},
        {"lock held, read-only folder",
         [](const QString& p) -> std::shared_ptr<void> {
             WriteBytes(p, GroupWith("File1=" + OLD_ENTRY));
             auto pLock = std::make_shared<QLockFile>(p + QStringLiteral(".lock"));
             pLock->lock();
             const QByteArray folder = QFile::encodeName(QFileInfo(p).path());
             ::chmod(folder.constData(), 0555);
             return std::shared_ptr<void>(
                 nullptr, [pLock, folder](void*) { ::chmod(folder.constData(), 0755); });
         },
         {OLD_ENTRY},
         false},
    };

    const QByteArray home = qgetenv("HOME");
    for (const Row& row : rows) {
        QTemporaryDir configHome;
        UseTemporarySettings(configHome);
        if (!row.xdgConfigHome.isEmpty()) {
            qputenv("XDG_CONFIG_HOME", row.xdgConfigHome);
            qputenv("HOME", QFile::encodeName(configHome.path()));
        }
        const CSettingsFile settings(QString::fromUtf8(SETTINGS_ORGANIZATION),
                                     QString::fromUtf8(SETTINGS_APPLICATION));
        QVERIFY(settings.Path().startsWith(configHome.path()));
        QVERIFY(QDir().mkpath(QFileInfo(settings.Path()).path()));
        const std::shared_ptr<void> pKeep = row.fnSetup(settings.Path());
        const QByteArray before = Fingerprint(settings.Path());

        QElapsedTimer clock;
        clock.start();
        {
            CPelvarApp app;
            QVERIFY2(app.InitInstance(QFile::encodeName(strDocument)), row.pszKind);
            if (!row.writtenMeanwhile.isEmpty()) {
                WriteBytes(settings.Path(), row.writtenMeanwhile);
                QVERIFY(app.OpenDocumentFile(QFile::encodeName(strDocument)));
            }
            QCOMPARE(app.RecentFiles().Entries(),
                     QByteArrayList{QFile::encodeName(strDocument)} + row.expectedAfterOld);
        }
        qputenv("HOME", home);
        // Only a guard against a hang; a sound start takes milliseconds.
        QVERIFY2(clock.elapsed() < 10000, row.pszKind);

        if (row.bWritten) {
            const std::optional<std::string> text = settings.Read();
            QVERIFY2(text.has_value(), row.pszKind);
            QByteArrayList stored;
            for (const std::string& strEntry : ReadRecentFiles(*text, RECENT_FILE_COUNT).entries) {
                stored << QByteArray::fromStdString(strEntry);
            }
            QCOMPARE(stored, QByteArrayList{QFile::encodeName(strDocument)} + row.expectedAfterOld);
            QVERIFY2(row.expectedAfterOld.isEmpty() ||
                         text->find("Schluessel=Wert") != std::string::npos,
                     row.pszKind);
        } else {
            QVERIFY2(Fingerprint(settings.Path()) == before, row.pszKind);
        }
    }
}

QTEST_MAIN(CSettingsFileTest)
#include "settings_file_test.moc"
