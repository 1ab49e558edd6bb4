// The platform's message queue as the search sees it. The search runs on the one user
// interface thread, so it has to keep the window's messages flowing itself: the think timer
// that ends it, the progress display and painting all run nested inside the search.
#pragma once

class CMessagePump {
public:
    virtual ~CMessagePump() = default;

    // Non-zero while a message waits to be dispatched; the message stays queued.
    virtual int PeekMessage() = 0;

    // Retrieves and dispatches one message, so timer callbacks, paints, input handlers and
    // menu commands run inside the call. Returns 0 when the message taken was the request
    // to quit the application, else non-zero.
    virtual int PumpMessage() = 0;

    // Makes the application's main message loop end once control returns to it.
    virtual void PostQuitMessage(int nExitCode) = 0;

    // How many search nodes may pass between two peeks, at least 1. The search counts nodes
    // down and peeks when the count runs out, so a pump that answers more than 1 saves the
    // search a call at every node; one that answers 1 is asked at every node.
    virtual int NodesPerPeek() const { return 1; }
};

// A pump for a program without a message queue: nothing ever waits.
class CNullMessagePump final : public CMessagePump {
public:
    int PeekMessage() override { return 0; }
    int PumpMessage() override { return 1; }
    void PostQuitMessage(int) override {}
    int NodesPerPeek() const override { return 1 << 30; }
};

// The pump the search uses. Never null: without a pump installed it is a CNullMessagePump.
CMessagePump& GetMessagePump();

// Installs pPump for every later search; nullptr restores the null pump. The caller keeps
// the pump alive while it is installed.
void SetMessagePump(CMessagePump* pPump);
