// Game situations set up directly in a document, for pictures of the board.
#pragma once

#include <string>
#include <vector>

class CPelvarDoc;

// The names BuildScenario knows, in a sensible order for a tour of the picture.
std::vector<std::string> ScenarioNames();

// Sets doc (and the engine's statistics counters) to the situation strName; false when the
// name is unknown, doc then unchanged.
bool BuildScenario(const std::string& strName, CPelvarDoc& doc);
