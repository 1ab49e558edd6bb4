// The fuzzer's input read front to back, one byte at a time; past its end every byte reads
// as 0, so that any input, also an empty one, decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>

class CFuzzBytes {
public:
    CFuzzBytes(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    bool AtEnd() const { return m_nNext >= m_nSize; }

    std::uint8_t Next() { return AtEnd() ? 0 : m_pData[m_nNext++]; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nNext = 0;
};
