#include "string_table.h"

#include <algorithm>
#include <array>

#include "resource_ids.h"

namespace {

// Id, text. Sorted by id; the recent-file entries 57616..57631 share one text.
constexpr const char* MRU_PROMPT = "Öffnet dieses Dokument.";

constexpr std::array<StringTableEntry, 57> STRINGS = {{
    {IDR_MAINFRAME, "Pelvar\n\nPelvar\n\n\nPelvar.Document\nPelvar Document"},
    {ID_OPTIONS, "Allgemeine Programmeinstellungen"},
    {AFX_IDS_APP_TITLE, "Pelvar"},
    {AFX_IDS_IDLEMESSAGE, "Bereit"},
    {ID_FILE_NEW, "Erstellt ein neues Dokument.\nNeu"},
    {ID_FILE_OPEN, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {ID_FILE_CLOSE, "Schließt das aktive Dokument.\nSchließen"},
    {ID_FILE_SAVE, "Speichert das aktive Dokument.\nSpeichern"},
    {ID_FILE_SAVE_AS, "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {57616, MRU_PROMPT},
    {57617, MRU_PROMPT},
    {57618, MRU_PROMPT},
    {57619, MRU_PROMPT},
    {57620, MRU_PROMPT},
    {57621, MRU_PROMPT},
    {57622, MRU_PROMPT},
    {57623, MRU_PROMPT},
    {57624, MRU_PROMPT},
    {57625, MRU_PROMPT},
    {57626, MRU_PROMPT},
    {57627, MRU_PROMPT},
    {57628, MRU_PROMPT},
    {57629, MRU_PROMPT},
    {57630, MRU_PROMPT},
    {57631, MRU_PROMPT},
    {ID_EDIT_CLEAR, "Löscht die Markierung.\nLöschen"},
    {ID_EDIT_CLEAR_ALL, "Löscht alles.\nAlles löschen"},
    {ID_EDIT_COPY, "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
    {ID_EDIT_CUT, "Entfernt die Markierung und überträgt sie in die Zwischenablage.\nAusschneiden"},
    {ID_EDIT_FIND, "Sucht den angegebenen Text.\nSuchen"},
    {ID_EDIT_PASTE, "Fügt den Inhalt der Zwischenablage ein.\nEinfügen"},
    {ID_EDIT_REPEAT, "Wiederholt die letzte Aktion.\nWiederholen"},
    {ID_EDIT_REPLACE, "Ersetzt einen bestimmten Text durch einen anderen.\nErsetzen"},
    {ID_EDIT_SELECT_ALL, "Markiert das gesamte Dokument.\nAlles markieren"},
    {ID_EDIT_UNDO, "Macht die letzte Aktion rückgängig.\nRückgängig"},
    {ID_EDIT_REDO, "Wiederholt die vorher rückgängig gemachte Aktion.\nWiederherstellen"},
    {ID_WINDOW_SPLIT, "Teilt das aktive Fenster in Ausschnitte.\nTeilen"},
    {ID_APP_ABOUT, "Zeigt Programm-Informationen, Versionsnummer und Copyright an.\nInfo"},
    {ID_APP_EXIT, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
    {ID_NEXT_PANE, "Wechselt zum nächsten Fensterausschnitt.\nNächster Ausschnitt"},
    {ID_PREV_PANE, "Springt zum vorherigen Fensterausschnitt zurück.\nVorheriger Ausschnitt"},
    {ID_INDICATOR_EXT, "ER"},
    {ID_INDICATOR_CAPS, "UF"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "RF"},
    {ID_INDICATOR_OVR, "ÜB"},
    {ID_INDICATOR_REC, "MA"},
    {ID_VIEW_STATUS_BAR, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
    {AFX_IDS_SCSIZE, "Ändert die Fenstergröße."},
    {AFX_IDS_SCMOVE, "Ändert die Position des Fensters."},
    {AFX_IDS_SCMINIMIZE, "Verkleinert das Fenster zu einem Symbol."},
    {AFX_IDS_SCMAXIMIZE, "Vergrößert das Fenster zu voller Größe."},
    {AFX_IDS_SCNEXTWINDOW, "Wechselt zum nächsten Dokumentfenster."},
    {AFX_IDS_SCPREVWINDOW, "Wechselt zum vorherigen Dokumentfenster."},
    {AFX_IDS_SCCLOSE, "Schließt das aktive Fenster und fordert zur Dokumentspeicherung auf."},
    {AFX_IDS_SCRESTORE, "Stellt das Fenster in seiner normalen Größe wieder her."},
    {AFX_IDS_SCTASKLIST, "Aktiviert die Task-Liste."},
}};

static_assert(std::is_sorted(STRINGS.begin(), STRINGS.end(),
                             [](const StringTableEntry& a, const StringTableEntry& b) {
                                 return a.nId < b.nId;
                             }),
              "the string table is looked up by binary search");

}  // namespace

std::span<const StringTableEntry> StringTable() {
    return STRINGS;
}

const char* ResourceString(int nId) {
    const auto it =
        std::lower_bound(STRINGS.begin(), STRINGS.end(), nId,
                         [](const StringTableEntry& entry, int nKey) { return entry.nId < nKey; });
    return (it != STRINGS.end() && it->nId == nId) ? it->pszText : nullptr;
}

std::string_view PromptPart(std::string_view strText) {
    return strText.substr(0, strText.find('\n'));
}

std::string_view NamePart(std::string_view strText) {
    const std::size_t nNewline = strText.find('\n');
    return nNewline == std::string_view::npos ? std::string_view() : strText.substr(nNewline + 1);
}

std::string_view CommandPrompt(int nId) {
    const char* pszText = ResourceString(nId);
    return pszText == nullptr ? std::string_view() : PromptPart(pszText);
}
