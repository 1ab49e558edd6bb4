// The application: one document for the whole run, one main window with the view, the
// document's file name and the recent-file list. Built once in main after the QApplication.
#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QTranslator>

#include "app_commands.h"
#include "qt_framework_services.h"
#include "recent_file_list.h"

class CMainFrame;
class CPelvarDoc;

// The organisation and application under which the user's settings are kept.
inline constexpr const char* SETTINGS_ORGANIZATION = "Local AppWizard-Generated Applications";
inline constexpr const char* SETTINGS_APPLICATION = "Pelvar";

// The id of the installed launcher entry (share/applications/pelvar.desktop), which also
// names the theme icon.
inline constexpr const char* DESKTOP_FILE_ID = "pelvar";

// The number of entries of the recent-file list.
inline constexpr int RECENT_FILE_COUNT = 4;

// "<document title> - Pelvar".
QString FrameTitle(const QString& strDocumentTitle);

class CPelvarApp final : public CAppCommands {
public:
    CPelvarApp();
    ~CPelvarApp();
    CPelvarApp(const CPelvarApp&) = delete;
    CPelvarApp& operator=(const CPelvarApp&) = delete;

    // Start-up, in this order: the application's name and launcher entry, the toolkit's
    // German translations, the recent-file list from the settings, the document and the main
    // window, then a new document or, when fileName is not empty, that file opened like the
    // open command. Returns false when the file cannot be opened (its error has been shown);
    // the program then ends with a non-zero status. On true the window is shown.
    bool InitInstance(const QByteArray& fileName);

    // The message loop; returns the exit status.
    int Run();

    // --- Commands -------------------------------------------------------------------------------
    void OnAppAbout() override;
    // A new document: the game stays as it is; the title shows the untitled name again.
    void OnFileNew() override;
    // The open dialog, then OpenDocumentFile with the chosen name.
    void OnFileOpen() override;
    // Saves under the document's name, asking for one where it has none or where writing
    // would destroy a file's content.
    void OnFileSave() override;

    // Opens nativePath for reading without reading anything: on success the name shows in
    // the title and enters the recent-file list; on failure a German message box says why and
    // nothing changes. The game is never touched.
    bool OpenDocumentFile(const QByteArray& nativePath);
    // Writes the empty document to nativePath, with the same effects and error handling.
    bool SaveDocumentFile(const QByteArray& nativePath);

    // --- Parts --------------------------------------------------------------------------------
    CPelvarDoc& Document() const { return *m_pDoc; }
    CMainFrame& Frame() const { return *m_pFrame; }
    CQtFrameworkServices& Services() { return m_services; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    // The document's file (native bytes), empty while it has none.
    const QByteArray& PathName() const { return m_pathName; }
    // The document's title: the file name, or "Unbenannt".
    QString DocumentTitle() const;

private:
    void LoadTranslations();
    void SetPathName(const QByteArray& nativePath);
    void ShowFileError(const QString& strMessage);

    // Destroyed in reverse order: the frame before the document, the document before the
    // services it was built with.
    CQtFrameworkServices m_services;
    std::unique_ptr<CPelvarDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    QTranslator m_translator;
    CRecentFileList m_recentFiles;
    QByteArray m_pathName;
};
