#include "message_pump.h"

namespace {
CNullMessagePump g_nullPump;
CMessagePump* g_pPump = &g_nullPump;
}  // namespace

CMessagePump& GetMessagePump() {
    return *g_pPump;
}

void SetMessagePump(CMessagePump* pPump) {
    g_pPump = pPump ? pPump : &g_nullPump;
}
