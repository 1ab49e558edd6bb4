// A document on scripted services, with the random term off so that games repeat.
#pragma once

#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "evaluate.h"
#include "pelvar_doc.h"
#include "scripted_services.h"
#include "search_scope.h"
#include "test_positions.h"

class DocTest : public ::testing::Test {
protected:
    DocTest() : m_doc(m_services) { m_services.m_pDoc = &m_doc; }

    // Puts the given stones and hands on the board, both positions alike, in nState.
    void SetBoard(std::initializer_list<std::pair<int, int>> white,
                  std::initializer_list<std::pair<int, int>> black, int nWhiteHand, int nBlackHand,
                  int nState) {
        const Position pos = BoardWith(white, black, nWhiteHand, nBlackHand);
        m_doc.m_posCurrent = pos;
        m_doc.m_posPrevious = pos;
        m_doc.m_nState = nState;
    }

    static Position StartPosition() {
        Position pos;
        return pos.ResetPosition();
    }

    // Everything a click may change, for "nothing happened" checks.
    struct Snapshot {
        Position posCurrent;
        Position posPrevious;
        int nState;
        int nSelRow;
        int nSelCol;
        std::size_t nBoxes;
        std::size_t nPaints;
        int nSearches;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Snap() const {
        return {m_doc.m_posCurrent,
                m_doc.m_posPrevious,
                m_doc.m_nState,
                m_doc.m_nSelRow,
                m_doc.m_nSelCol,
                m_services.m_boxes.size(),
                m_services.m_paints.size(),
                m_services.m_nSearches};
    }

    CScriptedServices m_services;
    CPelvarDoc m_doc;
    CSearchScope m_scope{nullptr, 0};  // random term off; the engine's globals given back
};
