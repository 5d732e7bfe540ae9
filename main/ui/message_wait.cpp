#include "main/ui/message_wait.h"

void waitAnswering(const HANDLE* handles, DWORD count) {
    for (;;) {
        const DWORD result = MsgWaitForMultipleObjects(count, handles, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result < WAIT_OBJECT_0 + count || result == WAIT_FAILED) return;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
