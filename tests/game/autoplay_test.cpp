#include <gtest/gtest.h>

#include "doc_fixture.h"

namespace {

// A game in progress is abandoned only on Yes; No leaves board, hands, state and pick
// exactly as they were and starts no search.
TEST_F(DocTest, AutoplayInAGameAsksAndOnlyYesAbandonsIt) {
    SetBoard({{0, 3}, {3, 1}, {6, 3}, {1, 3}}, {{0, 0}, {3, 0}, {6, 0}, {0, 6}}, 0, 0,
             STATE_SLIDE_TARGET);
    m_doc.m_nSelRow = 0;
    m_doc.m_nSelCol = 3;
    const Snapshot before = Snap();
    m_services.m_answers = {IDNO};
    m_doc.OnAutoplay();
    ASSERT_EQ(m_services.m_boxes.size(), 1u);
    EXPECT_EQ(m_services.m_boxes[0].strText, "Wollen Sie das aktuelle Spiel abbrechen?");
    EXPECT_EQ(m_services.m_boxes[0].nType, MB_YESNO | MB_ICONQUESTION);
    m_services.m_boxes.clear();
    EXPECT_EQ(Snap(), before);

    // Yes: a fresh game, white searches first; the window closing at that first search
    // ends autoplay at once, without a message.
    m_services.m_answers = {IDYES};
    m_services.m_fnOnThinkTimer = [this] {
        EXPECT_EQ(m_doc.m_posCurrent, StartPosition());
        EXPECT_EQ(m_doc.m_nState, STATE_AUTOPLAY);
        m_services.m_bQuitting = true;
    };
    m_doc.OnAutoplay();
    EXPECT_EQ(m_services.m_nSearches, 1);
    EXPECT_EQ(m_services.m_boxes.size(), 1u);  // the question only
    EXPECT_FALSE(m_doc.IsBusy());
}

// While autoplay searches, a second "Autoplay", "Optionen", clicks and the right button reach
// the document through the search's message dispatch; all are ignored.
TEST_F(DocTest, CommandsAndClicksDuringAutoplayAreIgnored) {
    int nThinkTimers = 0;
    m_services.m_fnOnThinkTimer = [this, &nThinkTimers] {
        if (++nThinkTimers == 3) {
            m_services.m_fnDuringSearch = [this] {
                const Snapshot before = Snap();
                m_services.m_nSettingsResult = IDOK;
                m_doc.OnAutoplay();
                m_doc.OnSettings();
                m_doc.OnFieldClick(0, 0);
                m_doc.OnFieldClick(3, 3);
                m_doc.OnCancelPick();
                EXPECT_EQ(Snap(), before);
                EXPECT_EQ(m_services.m_nSettingsRuns, 0);
            };
        }
        if (nThinkTimers == 4) {
            m_services.m_bQuitting = true;
        }
    };
    m_doc.OnAutoplay();
    EXPECT_EQ(nThinkTimers, 4);
    EXPECT_TRUE(m_services.m_boxes.empty());
    EXPECT_EQ(m_services.m_nMaxWaitDepth, 0);
}

}  // namespace
