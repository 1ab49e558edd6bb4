// The resource tables and the pure mappings of the window: strings and prompts, accelerator
// keys, version text, command line, state cursors and message box styles.
#include <QtTest>

#include <set>

#include "about_dialog_template.h"
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
    void aboutTemplateFitsItsBox();
};

void CResourceTablesTest::stringTableHasEveryEntryOnce() {
    // 41 single entries and the sixteen recent-file prompts.
    std::set<int> ids;
    for (const StringTableEntry& entry : StringTable()) {
        QVERIFY2(ids.insert(entry.nId).second, qPrintable(QString::number(entry.nId)));
    }
    QCOMPARE(ids.size(), std::size_t{57});
    for (int nId = ID_FILE_MRU_FIRST; nId <= ID_FILE_MRU_LAST; ++nId) {
        QCOMPARE(QString::fromUtf8(ResourceString(nId)), QStringLiteral("Öffnet dieses Dokument."));
    }
}

void CResourceTablesTest::stringLookup() {
    QCOMPARE(QString::fromUtf8(ResourceString(IDR_MAINFRAME)),
             QStringLiteral("Pelvar\n\nPelvar\n\n\nPelvar.Document\nPelvar Document"));
    QCOMPARE(QString::fromUtf8(ResourceString(AFX_IDS_APP_TITLE)), QStringLiteral("Pelvar"));
    QCOMPARE(QString::fromUtf8(ResourceString(AFX_IDS_IDLEMESSAGE)), QStringLiteral("Bereit"));
    QCOMPARE(QString::fromUtf8(ResourceString(ID_INDICATOR_CAPS)), QStringLiteral("UF"));
    QCOMPARE(QString::fromUtf8(ResourceString(ID_INDICATOR_NUM)), QStringLiteral("NUM"));
    QCOMPARE(QString::fromUtf8(ResourceString(ID_INDICATOR_SCRL)), QStringLiteral("RF"));
    QCOMPARE(QString::fromUtf8(ResourceString(ID_INDICATOR_OVR)), QStringLiteral("ÜB"));
    QCOMPARE(QString::fromUtf8(ResourceString(AFX_IDS_SCTASKLIST)),
             QStringLiteral("Aktiviert die Task-Liste."));
    // The first and last ids and the gaps between entries have no string.
    QCOMPARE(ResourceString(ID_AUTOPLAY), nullptr);
    QCOMPARE(ResourceString(0), nullptr);
    QCOMPARE(ResourceString(57615), nullptr);
    QCOMPARE(ResourceString(99999), nullptr);
}

void CResourceTablesTest::commandPrompts() {
    QCOMPARE(QString::fromUtf8(CommandPrompt(ID_OPTIONS).data(), CommandPrompt(ID_OPTIONS).size()),
             QStringLiteral("Allgemeine Programmeinstellungen"));
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
    // Key, command, in table order.
    const QList<QPair<QString, int>> expected = {
        {"Ctrl+N", ID_FILE_NEW},    {"Ctrl+O", ID_FILE_OPEN},        {"Ctrl+S", ID_FILE_SAVE},
        {"Ctrl+Z", ID_EDIT_UNDO},   {"Ctrl+X", ID_EDIT_CUT},         {"Ctrl+C", ID_EDIT_COPY},
        {"Ctrl+V", ID_EDIT_PASTE},  {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Del", ID_EDIT_CUT},
        {"Ctrl+Ins", ID_EDIT_COPY}, {"Shift+Ins", ID_EDIT_PASTE},    {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE},
    };
    const auto table = MainAccelerators();
    QCOMPARE(static_cast<qsizetype>(table.size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(AcceleratorKeySequence(table[i]).toString(QKeySequence::PortableText),
                 expected[i].first);
        QCOMPARE(table[i].nCommandId, expected[i].second);
    }
    QVERIFY(AcceleratorKeySequence({FVIRTKEY, 0xFF, 1}).isEmpty());
    QCOMPARE(AcceleratorKeySequence({FVIRTKEY | FCONTROL | FALT, '7', 1}),
             QKeySequence(QStringLiteral("Ctrl+Alt+7")));
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

    // Anything else names a file, also what looks like an option; the first one counts.
    const CCommandLineInfo info = parse({"-v", "zweite"});
    QCOMPARE(info.eAction, Action::FileOpen);
    QCOMPARE(info.strFileName, std::string("-v"));
    const CCommandLineInfo raw = parse({"a\xff\xfe.txt"});
    QCOMPARE(raw.strFileName, std::string("a\xff\xfe.txt"));
    QCOMPARE(parse({""}).eAction, Action::FileOpen);
}

void CResourceTablesTest::stateCursors() {
    // State, cursor resource: states 4 and 6 share the target cursor.
    const QList<QPair<int, int>> expected = {
        {STATE_THINKING, 0},
        {STATE_PLACE, 106},
        {STATE_CAPTURE, 107},
        {STATE_SELECT_SLIDE, 108},
        {STATE_SLIDE_TARGET, 110},
        {STATE_SELECT_JUMP, 109},
        {STATE_JUMP_TARGET, 110},
        {STATE_AUTOPLAY, 0},
        {8, 0},
        {-1, 0},
    };
    for (const auto& [nState, nId] : expected) {
        QCOMPARE(CursorIdForState(nState), nId);
        QCOMPARE(ShowsWaitCursor(nState), nState == STATE_THINKING || nState == STATE_AUTOPLAY);
    }
}

void CResourceTablesTest::messageBoxStyles() {
    QCOMPARE(MessageBoxIcon(MB_YESNO | MB_ICONQUESTION), QMessageBox::Question);
    QCOMPARE(MessageBoxButtons(MB_YESNO | MB_ICONQUESTION), QMessageBox::Yes | QMessageBox::No);
    // Without an icon flag: the exclamation mark for OK, the question mark for Yes/No.
    QCOMPARE(MessageBoxIcon(MB_OK), QMessageBox::Warning);
    QCOMPARE(MessageBoxIcon(MB_YESNO), QMessageBox::Question);
    QCOMPARE(MessageBoxIcon(MB_OK | MB_ICONASTERISK), QMessageBox::Information);
    QCOMPARE(MessageBoxIcon(MB_OK | MB_ICONHAND), QMessageBox::Critical);
    QCOMPARE(MessageBoxButtons(MB_OK), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(MessageBoxButtons(MB_OKCANCEL), QMessageBox::Ok | QMessageBox::Cancel);

    QCOMPARE(MessageBoxAnswer(MB_YESNO, QMessageBox::Yes), IDYES);
    QCOMPARE(MessageBoxAnswer(MB_YESNO, QMessageBox::No), IDNO);
    QCOMPARE(MessageBoxAnswer(MB_OK, QMessageBox::Ok), IDOK);
    // Closed without a button.
    QCOMPARE(MessageBoxAnswer(MB_YESNO | MB_ICONQUESTION, QMessageBox::NoButton), IDNO);
    QCOMPARE(MessageBoxAnswer(MB_OKCANCEL, QMessageBox::NoButton), IDCANCEL);
    QCOMPARE(MessageBoxAnswer(MB_OK, QMessageBox::NoButton), IDOK);
}

void CResourceTablesTest::aboutTemplateFitsItsBox() {
    const DialogTemplate& dlg = AboutDialogTemplate();
    QCOMPARE(dlg.nId, 100);
    QCOMPARE(QString::fromUtf8(dlg.pszCaption), QStringLiteral("Info über Pelvar"));
    QCOMPARE(QSize(dlg.cx, dlg.cy), QSize(235, 55));
    QCOMPARE(dlg.controls.size(), std::size_t{4});
    const QRect box(0, 0, dlg.cx, dlg.cy);
    for (const DialogControlTemplate& control : dlg.controls) {
        QVERIFY(box.contains(QRect(control.x, control.y, control.cx, control.cy)));
    }
    QVERIFY(QString::fromUtf8(dlg.controls[1].pszText).startsWith("Pelvar Version 1.7 ("));
    QVERIFY(QString::fromUtf8(dlg.controls[1].pszText).endsWith(")"));
}

QTEST_MAIN(CResourceTablesTest)
#include "resource_tables_test.moc"
