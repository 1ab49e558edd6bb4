// The resource tables and the pure mappings of the window: strings and prompts, accelerator
// keys, version text, command line, state cursors and message box styles.
#include <QTest>

#include <set>

#include "accelerator_keys.h"
#include "accelerator_table.h"
#include "command_line_info.h"
#include "pelvar_doc.h"
#include "qt_framework_services.h"
#include "resource_ids.h"
#include "state_cursor.h"
#include "string_table.h"
#include "version_info.h"

class CResourceTablesTest : public QObject {
    Q_OBJECT

private slots:
    void stringTableHasEveryEntryOnce();
    void stringLookup();
    void commandPrompts();
    void acceleratorKeys();
    void versionText();
    void commandLine();
    void stateCursors();
    void messageBoxStyles();
};

void CResourceTablesTest::stringTableHasEveryEntryOnce() {
    // 41 single entries and the sixteen recent-file prompts, each found by its id.
    std::set<int> ids;
    for (const StringTableEntry& entry : StringTable()) {
        QVERIFY2(ids.insert(entry.nId).second, qPrintable(QString::number(entry.nId)));
        QCOMPARE(ResourceString(entry.nId), entry.pszText);
    }
    QCOMPARE(ids.size(), std::size_t{57});
    for (int nId = ID_FILE_MRU_FIRST; nId <= ID_FILE_MRU_LAST; ++nId) {
        QCOMPARE(QString::fromUtf8(ResourceString(nId)), QStringLiteral("Öffnet dieses Dokument."));
    }
}

void CResourceTablesTest::stringLookup() {
    // Before the first id, between entries and after the last there is no string.
    QCOMPARE(ResourceString(0), nullptr);
    QCOMPARE(ResourceString(ID_AUTOPLAY), nullptr);
    QCOMPARE(ResourceString(57615), nullptr);
    QCOMPARE(ResourceString(99999), nullptr);
    QCOMPARE(QString::fromUtf8(ResourceString(ID_INDICATOR_OVR)), QStringLiteral("ÜB"));
}

void CResourceTablesTest::commandPrompts() {
    const std::string_view strExit = CommandPrompt(ID_APP_EXIT);
    QCOMPARE(
        QString::fromUtf8(strExit.data(), strExit.size()),
        QStringLiteral("Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."));
    QVERIFY(CommandPrompt(ID_AUTOPLAY).empty());
    QCOMPARE(PromptPart("a\nb\nc"), std::string_view("a"));
    QCOMPARE(PromptPart("\nb"), std::string_view(""));
    QCOMPARE(PromptPart("ohne"), std::string_view("ohne"));
}

void CResourceTablesTest::acceleratorKeys() {
    // Virtual key and flags to the Qt key: letters, digits, function and editing keys.
    const QList<QPair<AcceleratorEntry, QString>> cases = {
        {{FVIRTKEY | FCONTROL, 'N', 0}, "Ctrl+N"},
        {{FVIRTKEY | FALT, VK_BACK, 0}, "Alt+Backspace"},
        {{FVIRTKEY | FSHIFT, VK_DELETE, 0}, "Shift+Del"},
        {{FVIRTKEY | FCONTROL, VK_INSERT, 0}, "Ctrl+Ins"},
        {{FVIRTKEY | FSHIFT, VK_F6, 0}, "Shift+F6"},
        {{FVIRTKEY | FCONTROL | FALT, '7', 0}, "Ctrl+Alt+7"},
        {{FVIRTKEY, 0xFF, 0}, ""},
    };
    for (const auto& [entry, strKey] : cases) {
        QCOMPARE(AcceleratorKeySequence(entry).toString(QKeySequence::PortableText), strKey);
    }
}

void CResourceTablesTest::versionText() {
    QCOMPARE(QString::fromStdString(VersionText()),
             QStringLiteral("Pelvar Version 1.7 (für Tobrek)\n"
                            "Dateiversion 1.0.0.1, Produktversion 1.0.0.1\n"
                            "Copyright (C) Die Pelvar-Autoren\n"));
    QCOMPARE(QString::fromUtf8(VersionString("ProductName")), QStringLiteral("Anwendung Pelvar"));
    QCOMPARE(QString::fromUtf8(VersionString("OriginalFilename")), QStringLiteral("Pelvar.EXE"));
    QCOMPARE(VersionString("Unknown"), nullptr);
    QCOMPARE(ProgramVersionInfo().nTranslationLanguage, 0x0407);
    QCOMPARE(ProgramVersionInfo().nTranslationCodePage, 1200);
}

void CResourceTablesTest::commandLine() {
    using Action = CCommandLineInfo::Action;
    auto parse = [](std::initializer_list<std::string> args) {
        const std::vector<std::string> list(args);
        return ParseCommandLine(list);
    };
    QCOMPARE(parse({}).eAction, Action::FileNew);
    QCOMPARE(parse({"--version"}).eAction, Action::PrintVersion);
    QCOMPARE(parse({"--help"}).eAction, Action::PrintHelp);
    QCOMPARE(parse({"spiel.txt", "--help"}).eAction, Action::PrintHelp);
    QCOMPARE(parse({"-h"}).eAction, Action::PrintHelp);
    QCOMPARE(parse({"./-h"}).strFileName, std::string("./-h"));

    // Anything else names a file, also what looks like an option; the first one counts.
    QCOMPARE(parse({"-platform", "offscreen"}).strFileName, std::string("-platform"));
    const CCommandLineInfo info = parse({"-v", "zweite"});
    QCOMPARE(info.eAction, Action::FileOpen);
    QCOMPARE(info.strFileName, std::string("-v"));
    const CCommandLineInfo raw = parse({"a\xff\xfe.txt"});
    QCOMPARE(raw.strFileName, std::string("a\xff\xfe.txt"));
    QCOMPARE(parse({""}).eAction, Action::FileOpen);
}

void CResourceTablesTest::stateCursors() {
    // State, cursor resource, wait cursor: states 4 and 6 share the target cursor; the
    // computer's turn and autoplay show the wait cursor and no resource.
    struct StateCursorRow {
        int nState;
        int nCursorId;
        bool bWait;
    };
    const QList<StateCursorRow> expected = {
        {STATE_THINKING, 0, true},
        {STATE_PLACE, 106, false},
        {STATE_CAPTURE, 107, false},
        {STATE_SELECT_SLIDE, 108, false},
        {STATE_SLIDE_TARGET, 110, false},
        {STATE_SELECT_JUMP, 109, false},
        {STATE_JUMP_TARGET, 110, false},
        {STATE_AUTOPLAY, 0, true},
        {8, 0, false},
        {-1, 0, false},
    };
    for (const StateCursorRow& row : expected) {
        QCOMPARE(CursorIdForState(row.nState), row.nCursorId);
        QCOMPARE(ShowsWaitCursor(row.nState), row.bWait);
    }
}

void CResourceTablesTest::messageBoxStyles() {
    QCOMPARE(MessageBoxIcon(MB_YESNO | MB_ICONQUESTION), QMessageBox::Question);
    QCOMPARE(MessageBoxButtons(MB_YESNO | MB_ICONQUESTION), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(MessageBoxButtons(MB_OK), QMessageBox::StandardButtons(QMessageBox::Ok));
    // Without an icon flag: the exclamation mark for OK, the question mark for Yes/No.
    QCOMPARE(MessageBoxIcon(MB_OK), QMessageBox::Warning);
    QCOMPARE(MessageBoxIcon(MB_YESNO), QMessageBox::Question);
    QCOMPARE(MessageBoxIcon(MB_OK | MB_ICONEXCLAMATION), QMessageBox::Warning);
    // Closed without a button: the answer that declines.
    QCOMPARE(MessageBoxAnswer(MB_YESNO | MB_ICONQUESTION, QMessageBox::NoButton), IDNO);
    QCOMPARE(MessageBoxAnswer(MB_OK, QMessageBox::NoButton), IDOK);
    QCOMPARE(MessageBoxAnswer(MB_YESNO, QMessageBox::Yes), IDYES);
}

QTEST_MAIN(CResourceTablesTest)
#include "resource_tables_test.moc"
