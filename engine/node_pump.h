// The search's node count and its check of the message queue on a node countdown.
#pragma once

#include <cstdint>

// Nodes left until the search next offers the message queue a look. Reloaded after every
// look with what the installed pump asks for (CMessagePump::NodesPerPeek), and cut down to
// it when a search starts, so a pump that wants every node gets every node.
extern std::int32_t g_nPumpCountdown;

// The look at node number nNode: unless nNode is a multiple of PUMP_PERIOD, lets the waiting
// messages through (the think timer's callback runs in here and may clear
// g_bSearchRunning); then reloads the countdown. Out of line: it runs rarely.
void ServeMessagesAtNode(std::int64_t nNode);

// Makes the next search look at the queue no later than its pump asks for.
void PrepareNodePump();
