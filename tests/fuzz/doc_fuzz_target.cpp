// Fuzzing target of the document: bytes become a sequence of user input for a CPelvarDoc on
// scripted window services with a tiny search budget: left clicks on any integers, right
// clicks, "&Autoplay", "&Optionen" with any text in the seconds field and OK or Cancel,
// answers to the message boxes, input that arrives during a search or while a box is open,
// and the request to quit. After every input the document's invariants must hold.
//
// Input: byte 0 the search budget in nodes, byte 1 bit 0 the random term of the evaluation;
// then one input per byte (value % 16, see Step), some followed by their arguments. Missing
// bytes read as 0.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "board_points.h"
#include "evaluate.h"
#include "fuzz_bytes.h"
#include "fuzz_check.h"
#include "pelvar_doc.h"
#include "position_checks.h"
#include "scripted_services.h"
#include "search_scope.h"
#include "think_time.h"

namespace {

// Searches after which the run quits, as a user closes the window during a long autoplay:
// a game between two tiny searches may never end.
constexpr int MAX_SEARCHES = 150;

// Seconds texts typed into the options dialog: accepted ones, ones outside 0.001..3600 and
// ones that are no number.
constexpr const char* SECONDS_TEXTS[] = {
    "0.5",      "3.5",   "0,25", " 2 ", "0.001", "3600", "1e1",  "0",     "-1",     "0.0009",
    "3600.001", "1e308", "abc",  "",    "nan",   "inf",  "0x10", "1.2.3", "1e-320", "99999999999"};
constexpr int SECONDS_TEXT_COUNT = sizeof SECONDS_TEXTS / sizeof SECONDS_TEXTS[0];

// Grid indices of a click: mostly -1..7 around the grid, sometimes far outside it.
constexpr int FAR_INDICES[] = {std::numeric_limits<int>::min(), -1000000, -313, -2, 8, 13, 1000000,
                               std::numeric_limits<int>::max()};

// Everything an ignored input must leave alone.
struct DocSnapshot {
    Position posCurrent;
    Position posPrevious;
    int nState;
    int nSelRow;
    int nSelCol;
    int nMarkerSide;
    double dSeconds;
    int bShowStatistics;
    int bRandomMoves;
    bool operator==(const DocSnapshot&) const = default;
};

class CDocFuzzRun {
public:
    explicit CDocFuzzRun(CFuzzBytes& bytes) : m_bytes(bytes), m_doc(m_services) {
        m_services.m_pDoc = &m_doc;
        m_services.m_nNodesPerSearch = 1 + m_bytes.Next() % 200;
        m_scope.emplace(nullptr, m_bytes.Next() & 1);
        m_services.m_fnOnThinkTimer = [this] {
            m_services.m_paints.clear();  // only the document's state matters here
            if (++m_nSearches >= MAX_SEARCHES) {
                m_services.m_bQuitting = true;
            }
        };
    }

    void Run() {
        CheckAtRest("the start");
        while (!m_bytes.AtEnd() && !m_services.m_bQuitting) {
            const std::string strInput = Step();
            CheckAtRest(strInput);
        }
    }

private:
    int Index() {
        const std::uint8_t nByte = m_bytes.Next();
        return nByte < 240 ? nByte % 9 - 1 : FAR_INDICES[nByte % 8];
    }

    DocSnapshot Snap() const {
        return {m_doc.m_posCurrent,
                m_doc.m_posPrevious,
                m_doc.m_nState,
                m_doc.m_nSelRow,
                m_doc.m_nSelCol,
                m_doc.m_nMarkerSide,
                m_doc.m_dlgSettings.m_dSecondsPerMove,
                m_doc.m_dlgSettings.m_bShowStatistics,
                m_doc.m_dlgSettings.m_bRandomMoves};
    }

    // The options dialog: up to three tries of a seconds text, the two boxes and a button;
    // OK closes it only when the values are accepted, as the dialog refuses anything else.
    void ScriptSettings() {
        const int nTries = 1 + m_bytes.Next() % 3;
        struct Try {
            std::string strSeconds;
            bool bStatistics;
            bool bRandom;
            bool bOk;
        };
        std::vector<Try> tries;
        for (int i = 0; i < nTries; ++i) {
            const std::uint8_t nChoice = m_bytes.Next();
            std::string strSeconds;
            if (nChoice < 200) {
                strSeconds = SECONDS_TEXTS[nChoice % SECONDS_TEXT_COUNT];
            } else {
                for (int nLength = nChoice % 8; nLength > 0; --nLength) {
                    strSeconds += static_cast<char>(m_bytes.Next());
                }
            }
            const std::uint8_t nFlags = m_bytes.Next();
            tries.push_back({strSeconds, (nFlags & 1) != 0, (nFlags & 2) != 0, (nFlags & 4) != 0});
        }
        m_services.m_fnEditSettings = [this, tries](CSettingsDialog& dlg) {
            m_services.m_nSettingsResult = IDCANCEL;
            for (const Try& attempt : tries) {
                if (!attempt.bOk) {
                    return;
                }
                if (dlg.SaveFromControls(attempt.strSeconds, attempt.bStatistics,
                                         attempt.bRandom) == CSettingsDialog::Exchange::Accepted) {
                    m_services.m_nSettingsResult = IDOK;
                    return;
                }
            }
        };
    }

    // An input that arrives while the document is inside a search or a message box: the
    // document must ignore it, except the request to quit. A right click cannot reach the
    // view while a box is open (boxes are modal) and is left out there.
    std::function<void()> NestedInput(bool bDuringBox) {
        int nKind = m_bytes.Next() % 6;
        if (bDuringBox && nKind == 2) {
            nKind = 0;
        }
        const int nRow = Index();
        const int nCol = Index();
        return [this, nKind, nRow, nCol] {
            const DocSnapshot before = Snap();
            switch (nKind) {
                case 0:
                case 1:
                    m_doc.OnFieldClick(nRow, nCol);
                    break;
                case 2:
                    m_doc.OnCancelPick();
                    break;
                case 3:
                    m_doc.OnAutoplay();
                    break;
                case 4:
                    m_services.m_nSettingsResult = IDOK;
                    m_doc.OnSettings();
                    break;
                default:
                    m_services.m_bQuitting = true;
                    return;
            }
            FUZZ_CHECK(Snap() == before, "input " + std::to_string(nKind) +
                                             " inside a search or box changed the document");
        };
    }

    // One input; returns its name for messages.
    std::string Step() {
        const int nInput = m_bytes.Next() % 16;
        switch (nInput) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4: {
                const int nRow = Index();
                const int nCol = Index();
                m_doc.OnFieldClick(nRow, nCol);
                return "click (" + std::to_string(nRow) + "," + std::to_string(nCol) + ")";
            }
            case 5:
            case 6:
            case 7: {
                const int nCell = BOARD_POINTS[m_bytes.Next() % POINT_COUNT];
                m_doc.OnFieldClick(nCell / GRID_SIZE, nCell % GRID_SIZE);
                return "click on point " + std::to_string(nCell);
            }
            case 8:
                m_doc.OnCancelPick();
                return "right click";
            case 9:
                m_doc.OnAutoplay();
                return "autoplay";
            case 10:
                ScriptSettings();
                m_doc.OnSettings();
                return "options";
            case 11:
                m_services.m_answers.push_back((m_bytes.Next() & 1) ? IDYES : IDNO);
                return "answer";
            case 12:
                m_services.m_fnDuringSearch = NestedInput(false);
                return "input during the next search";
            case 13:
                m_services.m_fnDuringBox = NestedInput(true);
                return "input during every box";
            case 14:
                m_services.m_nNodesPerSearch = 1 + m_bytes.Next() % 200;
                return "budget";
            default:
                m_services.m_bQuitting = true;
                return "quit";
        }
    }

    void CheckPosition(const Position& pos, const char* pszName, const std::string& strAfter) {
        const std::string strFault = PositionFault(pos);
        FUZZ_CHECK(strFault.empty(), std::string(pszName) + " after " + strAfter + ": " + strFault);
    }

    // The document's invariants between two messages.
    void CheckAtRest(const std::string& strAfter) {
        const int nState = m_doc.m_nState;
        const Position& pos = m_doc.m_posCurrent;
        CheckPosition(pos, "current position", strAfter);
        CheckPosition(m_doc.m_posPrevious, "previous position", strAfter);
        FUZZ_CHECK(nState >= STATE_THINKING && nState <= STATE_AUTOPLAY,
                   "state " + std::to_string(nState) + " after " + strAfter);
        FUZZ_CHECK(m_doc.m_nMarkerSide == PLAYER_BLACK || m_doc.m_nMarkerSide == PLAYER_WHITE,
                   "marker side " + std::to_string(m_doc.m_nMarkerSide) + " after " + strAfter);
        const double dSeconds = m_doc.m_dlgSettings.m_dSecondsPerMove;
        FUZZ_CHECK(dSeconds >= MIN_SECONDS_PER_MOVE && dSeconds <= MAX_SECONDS_PER_MOVE,
                   "seconds per move " + std::to_string(dSeconds) + " after " + strAfter);
        for (int nMilliseconds : m_services.m_thinkTimes) {
            FUZZ_CHECK(nMilliseconds >= 1 && nMilliseconds <= 3600000,
                       "think timer armed for " + std::to_string(nMilliseconds) + " ms");
        }
        if (m_services.m_bQuitting) {
            return;  // a quit may leave a search's state behind; the window is going
        }
        FUZZ_CHECK(!m_doc.IsBusy(), "document busy after " + strAfter);
        FUZZ_CHECK(m_services.m_nWaitDepth == 0, "wait cursor left on after " + strAfter);
        FUZZ_CHECK(nState >= STATE_PLACE && nState <= STATE_JUMP_TARGET,
                   "state " + std::to_string(nState) + " at rest after " + strAfter);
        const int nWhiteHand = pos.Hand(PLAYER_WHITE);
        const int nWhiteStones = pos.CountStones(PLAYER_WHITE);
        if (nState == STATE_PLACE) {
            FUZZ_CHECK(nWhiteHand >= 1, "placing with an empty hand after " + strAfter);
        }
        if (nState >= STATE_SELECT_SLIDE && nState <= STATE_JUMP_TARGET) {
            FUZZ_CHECK(nWhiteHand == 0, "state " + std::to_string(nState) + " with " +
                                            std::to_string(nWhiteHand) + " in hand after " +
                                            strAfter);
        }
        if (nState == STATE_SELECT_SLIDE || nState == STATE_SLIDE_TARGET) {
            FUZZ_CHECK(nWhiteStones >= 4, "sliding with " + std::to_string(nWhiteStones) +
                                              " stones after " + strAfter);
        }
        if (nState == STATE_SELECT_JUMP || nState == STATE_JUMP_TARGET) {
            FUZZ_CHECK(nWhiteStones == 3, "jumping with " + std::to_string(nWhiteStones) +
                                              " stones after " + strAfter);
        }
        if (nState == STATE_SLIDE_TARGET || nState == STATE_JUMP_TARGET) {
            const int nRow = m_doc.m_nSelRow;
            const int nCol = m_doc.m_nSelCol;
            FUZZ_CHECK(IsOnGrid(nRow, nCol) && pos.Cell(nRow, nCol) == PLAYER_WHITE,
                       "picked square (" + std::to_string(nRow) + "," + std::to_string(nCol) +
                           ") holds no white stone after " + strAfter);
        }
    }

    CFuzzBytes& m_bytes;
    std::optional<CSearchScope> m_scope;  // the random term from the input, given back after
    CScriptedServices m_services;
    CPelvarDoc m_doc;
    int m_nSearches = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    CFuzzBytes bytes(pData, nSize);
    CDocFuzzRun run(bytes);
    run.Run();
    return 0;
}
