// The message pump of the search on Qt: lets the window's events through while the search
// runs on the user interface thread.
#pragma once

#include <cstdint>
#include <functional>

#include "message_pump.h"

// Qt has no cheap question "is an event waiting?", and answering it honestly would cost as
// much as serving the queue. So this pump answers "yes" whenever it is asked, unless it
// has served the queue since it was last asked, and serving means one pass of
// QCoreApplication::processEvents over everything pending: posted events, paints, due
// timers, input and socket notifiers. The search drains with "while peek: pump", so one
// drain is exactly one pass. How often the search asks is the business of a
// CRateLimitedPump in front of this one (see CQtSearchPump); asked directly, the pump
// would serve the queue at every other node, which works but costs the search most of
// its speed.
//
// Quitting: the application owns the flag "the application has been asked to quit" and
// hands this pump a function that reads it. Once it reads true, PumpMessage returns 0,
// which is the search's cue to stop and to post the quit request again (PostQuitMessage)
// for the main event loop to act on when the search has returned.
//
// Must be used on the thread that owns the QCoreApplication.
class CQtMessagePump final : public CMessagePump {
public:
    // fnQuitRequested tells whether the application has been asked to quit; empty means
    // never. It is called at every PumpMessage and must be cheap.
    explicit CQtMessagePump(std::function<bool()> fnQuitRequested = {});

    // 1 unless the queue has been served since the last peek; then 0, which ends the
    // search's drain, and the next peek answers 1 again.
    int PeekMessage() override;

    // Serves the queue once unless quitting was already requested. Returns 0 when the
    // quit request is set (before or after serving), else 1. Timer callbacks, paints,
    // input handlers and menu commands run inside this call.
    int PumpMessage() override;

    // Ends every event loop running on this thread, the main loop included, with
    // nExitCode, once control returns to each of them (QCoreApplication::exit). Called
    // from inside a handler that a loop dispatched, the loop ends as soon as the handler
    // returns. With no loop running it does nothing, as QCoreApplication::exit does.
    void PostQuitMessage(int nExitCode) override;

    // Passes of the event queue served so far; for measurements.
    std::uint64_t Dispatches() const { return m_nDispatches; }

private:
    bool QuitRequested() const { return m_fnQuitRequested && m_fnQuitRequested(); }

    std::function<bool()> m_fnQuitRequested;
    std::uint64_t m_nDispatches = 0;
    bool m_bServed = false;
};
